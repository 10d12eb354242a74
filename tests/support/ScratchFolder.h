#pragma once
// A folder of its own for one test, under the prefix's temporary folder, removed with
// everything in it when the object goes.
#include <string>
#include <vector>

class ScratchFolder {
public:
    explicit ScratchFolder(const char* purpose = "test");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // relative uses backslashes; an empty relative gives the folder itself.
    std::string Join(const std::string& relative) const;

    // Each writer creates the folders above the file.
    void WriteText(const std::string& relative, const std::string& text) const;
    void WriteBytes(const std::string& relative, const std::vector<unsigned char>& bytes) const;
    void MakeFolder(const std::string& relative) const;

private:
    std::string m_path;
};

// File and folder helpers on absolute paths.
bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);
std::vector<unsigned char> ReadFileBytes(const std::string& path);
std::string ReadFileText(const std::string& path);
void MakeFolders(const std::string& path);
void RemoveTree(const std::string& path);
// The folder of the running test program.
std::string ProgramFolder();
