#include "ScratchFolder.h"

#include <windows.h>

#include <cstdio>

namespace {

std::string ParentOf(const std::string& path)
{
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

ScratchFolder::ScratchFolder(const char* purpose)
{
    static unsigned s_counter = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    std::string base = temp;
    if (!base.empty() && base.back() == '\\')
        base.pop_back();
    for (;;) {
        char name[96];
        snprintf(name, sizeof name, "\\%s-%lu-%u", purpose, GetCurrentProcessId(), ++s_counter);
        m_path = base + name;
        if (CreateDirectoryA(m_path.c_str(), nullptr))
            break;
    }
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_path);
}

std::string ScratchFolder::Join(const std::string& relative) const
{
    return relative.empty() ? m_path : m_path + "\\" + relative;
}

void ScratchFolder::WriteBytes(const std::string& relative, const std::vector<unsigned char>& bytes) const
{
    std::string path = Join(relative);
    MakeFolders(ParentOf(path));
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    if (!bytes.empty())
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void ScratchFolder::WriteText(const std::string& relative, const std::string& text) const
{
    WriteBytes(relative, std::vector<unsigned char>(text.begin(), text.end()));
}

void ScratchFolder::MakeFolder(const std::string& relative) const
{
    MakeFolders(Join(relative));
}

bool PathExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<unsigned char> ReadFileBytes(const std::string& path)
{
    std::vector<unsigned char> bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    unsigned char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
        bytes.insert(bytes.end(), chunk, chunk + read);
    CloseHandle(file);
    return bytes;
}

std::string ReadFileText(const std::string& path)
{
    std::vector<unsigned char> bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

void MakeFolders(const std::string& path)
{
    if (path.empty() || IsFolder(path))
        return;
    MakeFolders(ParentOf(path));
    CreateDirectoryA(path.c_str(), nullptr);
}

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return ParentOf(path);
}
