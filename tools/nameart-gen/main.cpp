// nameart-gen: the page the window writes into temp.html, written without a window from a
// friend-list payload. See kHelp for the options.
#include "CommandLine.h"
#include "generate/PageFile.h"
#include "generate/PageGenerator.h"
#include "generate/ProgramFiles.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace {

constexpr int kWritten = 0;
constexpr int kFailed = 1;
constexpr int kBadArguments = 2;

int fail(const std::string& message)
{
    std::cerr << "nameart-gen: " << message << "\n";
    return kFailed;
}

std::optional<std::string> readAll(std::istream& in)
{
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return bytes.str();
}

std::optional<std::string> readPayload(const std::optional<std::string>& path)
{
    if (!path)
        return readAll(std::cin);
    std::ifstream file(*path, std::ios::binary);
    if (!file || std::filesystem::is_directory(*path))
        return std::nullopt;
    return readAll(file);
}

// A payload saved by an editor may start with a byte-order mark; the page never does.
std::string withoutByteOrderMark(std::string payload)
{
    if (payload.starts_with("\xEF\xBB\xBF"))
        payload.erase(0, 3);
    return payload;
}

std::string fontBesideProgram()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return fileBesideProgram(error ? "." : program.parent_path().string(), kFontFileName);
}

bool writePage(const std::optional<std::string>& outPath, const std::string& bytes,
               std::string& error)
{
    if (outPath)
        return writePageFile(*outPath, bytes, &error);
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
    if (!std::cout)
        error = "cannot write to standard output";
    return static_cast<bool>(std::cout);
}

int run(CommandLine& line)
{
    const std::optional<std::string> payload = readPayload(line.payloadPath);
    if (!payload)
        return fail("cannot read the payload " + line.payloadPath.value_or("from standard input"));
    line.settings.fontPath = line.fontPath.value_or(fontBesideProgram());
    const GenerationResult result = generatePage(withoutByteOrderMark(*payload), line.settings);
    if (result.status != GenerationResult::Status::Written)
        return fail(result.message);
    std::string error;
    if (!writePage(line.outPath, result.pageBytes, error))
        return fail(error);
    return kWritten;
}

} // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    CommandLineError error;
    std::optional<CommandLine> line =
        parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!line) {
        std::cerr << "nameart-gen: " << error.reason << "\n" << kUsage << "\n";
        return kBadArguments;
    }
    if (line->help) {
        std::cout << kUsage << "\n\n" << helpText();
        return kWritten;
    }
    return run(*line);
}
