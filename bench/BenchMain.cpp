// quire_bench: times the core's reading and writing of large lists.
//
//   quire_bench generate --rows N --out DIR
//   quire_bench OPERATION --rows N --dir DIR
//
// Each operation runs alone in its process so that the peak memory it
// reports is its own.
#include "BenchFiles.h"
#include "ListGenerator.h"
#include "Measurement.h"
#include "Operations.h"
#include "ShapeGenerator.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

struct Arguments
{
    std::string_view command;
    std::optional<int> rows;
    std::optional<QString> dir;
};

int ParseRows(std::string_view text)
{
    int rows = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rows);
    if (error != std::errc() || end != text.data() + text.size() || rows <= 0)
        throw std::invalid_argument("--rows needs a positive number, not " + std::string(text));
    return rows;
}

// generate names its folder --out, the operations --dir; either is taken
// by both.
Arguments Parse(int argc, char* argv[])
{
    if (argc < 2)
        throw std::invalid_argument("no command given");
    Arguments arguments{argv[1], {}, {}};
    for (int i = 2; i < argc; i += 2) {
        const std::string_view option = argv[i];
        if (i + 1 >= argc)
            throw std::invalid_argument(std::string(option) + " needs a value");
        if (option == "--rows")
            arguments.rows = ParseRows(argv[i + 1]);
        else if (option == "--out" || option == "--dir")
            arguments.dir = QString::fromLocal8Bit(argv[i + 1]);
        else
            throw std::invalid_argument("unknown option " + std::string(option));
    }
    if (!arguments.rows || !arguments.dir)
        throw std::invalid_argument("--rows and the folder are both needed");
    return arguments;
}

void PrintUsage()
{
    std::fprintf(stderr,
                 "usage: quire_bench generate --rows N --out DIR\n"
                 "       quire_bench %s --rows N --dir DIR\n",
                 Operations::Names().c_str());
}

int Execute(const Arguments& arguments)
{
    const BenchFiles files{*arguments.dir, *arguments.rows};
    if (arguments.command == "generate") {
        ListGenerator::WriteFiles(files);
        ShapeGenerator::WriteFiles(files);
        return 0;
    }
    const Measurement measured = Operations::Run(arguments.command, files);
    const std::string line = ReportLine(arguments.command, files.rows, measured, PeakRssMb());
    std::printf("%s\n", line.c_str());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    try {
        return Execute(Parse(argc, argv));
    } catch (const BenchError& error) {
        std::fprintf(stderr, "quire_bench: %s\n", error.what());
        return 1;
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "quire_bench: %s\n", error.what());
        PrintUsage();
        return 2;
    }
}
