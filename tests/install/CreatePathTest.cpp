// CreatePath on real folders of the prefix.
#include <gtest/gtest.h>

#include <string>

#include "ScratchFolder.h"
#include "install/ProductFiles.h"

namespace {

TEST(CreatePath, CreatesEveryMissingFolderOfAFolderPath)
{
    ScratchFolder root("path");
    root.MakeFolder("A");
    CreatePath(root.Join("A\\B\\C").c_str(), FALSE);
    EXPECT_TRUE(IsFolder(root.Join("A\\B")));
    EXPECT_TRUE(IsFolder(root.Join("A\\B\\C")));
}

TEST(CreatePath, StopsBeforeTheFileNameOfAFilePath)
{
    ScratchFolder root("path");
    CreatePath(root.Join("X\\f.txt").c_str(), TRUE);
    EXPECT_TRUE(IsFolder(root.Join("X")));
    EXPECT_FALSE(PathExists(root.Join("X\\f.txt")));
    CreatePath(root.Join("X\\Y").c_str(), FALSE);
    EXPECT_TRUE(IsFolder(root.Join("X\\Y")));
}

TEST(CreatePath, IgnoresFoldersThatExistAndFoldersThatCannotBeMade)
{
    ScratchFolder root("path");
    root.WriteText("blocker", "a file where a folder would go");
    CreatePath(root.Join("blocker\\inner\\deep").c_str(), FALSE);
    EXPECT_FALSE(IsFolder(root.Join("blocker")));
    CreatePath(root.Join("").c_str(), FALSE);  // exists already
    EXPECT_TRUE(IsFolder(root.Path()));
}

TEST(CreatePath, APathWithFewerThanTwoBackslashesOnlyGetsTheFolderCall)
{
    ScratchFolder root("path");
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof current, current);
    SetCurrentDirectoryA(root.Path().c_str());
    CreatePath("single", FALSE);
    CreatePath("one\\two", TRUE);  // one backslash: the loop makes nothing
    SetCurrentDirectoryA(current);
    EXPECT_TRUE(IsFolder(root.Join("single")));
    EXPECT_FALSE(PathExists(root.Join("one")));
    CreatePath(nullptr, FALSE);
    CreatePath("", TRUE);
}

}  // namespace
