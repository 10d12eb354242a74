#pragma once
// The product files of a media folder and the start folder beside it, as the copy
// sequence expects them, each file with contents that name it.
#include <set>
#include <string>
#include <vector>

#include "ScratchFolder.h"

// Every file of a complete media folder, relative to it ("3D\res\panel.ico", ...).
const std::vector<std::string>& ProductMediaFiles();
// The contents a file gets: its relative path, so copies can be traced to their source.
std::string ProductFileContents(const std::string& relative);
// Writes every file of ProductMediaFiles() except those named in omit.
void WriteProductFiles(const ScratchFolder& media, const std::set<std::string>& omit = {});

// The filter driver's name and the place the installation puts it.
extern const char kDriverFileName[];
std::string InstalledDriverPath();

// A path of exactly length characters below base, made of folder names of at most 100
// characters each.
std::string PathOfLength(const std::string& base, size_t length);
