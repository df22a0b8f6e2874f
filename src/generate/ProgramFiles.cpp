#include "generate/ProgramFiles.h"

std::string fileBesideProgram(const std::string& programFolder, const std::string& fileName)
{
    std::string path = programFolder;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    if (path.empty())
        return fileName;
    if (path != "/")
        path += '/';
    return path + fileName;
}
