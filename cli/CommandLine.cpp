#include "cli/CommandLine.h"

#include <cstdlib>
#include <istream>
#include <ostream>
#include <system_error>

#include "cli/Find.h"
#include "cli/Inspect.h"
#include "cli/Interference.h"
#include "cli/OutputBuffer.h"
#include "datafile/ShippedDigest.h"
#include "engine/DataFile.h"
#include "texts/StringTable.h"

#ifndef BRIMSEL_VERSION
#error "BRIMSEL_VERSION must name the program's version"
#endif

namespace brimsel::cli {

namespace {

constexpr int kDamagedFileMessage = 29;

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return text;
}

// SIZE ZONE...: lines or CSV rows for each zone and fit.
int RunQueries(const ToleranceData& tables, const CommandLine& cl, OutputBuffer& buffer) {
    bool allComputed = true;
    if (cl.Csv) buffer.Data() += CsvHeader();
    for (std::size_t z = 1; z < cl.Operands.size(); ++z) {
        const QueryResult result =
            EvaluateQuery(tables, cl.Operands.front(), cl.Operands[z], cl.Edition);
        allComputed = allComputed && result.AllComputed();
        if (cl.Csv) {
            AppendCsvRows(buffer.Data(), result, cl.Language);
        } else {
            AppendReadableLines(buffer.Data(), result, cl.Language);
        }
        buffer.MaybeFlush();
    }
    return allComputed ? kExitComputed : kExitZoneFailed;
}

}  // namespace

int RunQueryCommand(const std::vector<std::string_view>& arguments,
                    const std::filesystem::path& programFolder, std::istream& in, std::ostream& out,
                    std::ostream& err) {
    const CommandLine cl = ParseCommandLine(arguments);
    if (!cl.Problem.empty()) {
        err << kProgramName << ": " << cl.Problem << " (see " << kProgramName << " --help)\n";
        return kExitUsage;
    }
    if (cl.Help || cl.Version) {
        if (cl.Help) {
            out << HelpText();
        } else {
            out << VersionText() << '\n';
        }
        out.flush();
        return out ? kExitComputed : kExitUsage;
    }
    if (programFolder.empty()) {
        err << kProgramName << ": cannot find the program's own folder, where " << kDataFileName
            << " belongs\n";
        return kExitUsage;
    }
    const std::filesystem::path dataPath = programFolder / kDataFileName;
    const DataFileResult loaded = LoadToleranceFile(dataPath, kShippedDataDigest);
    if (!loaded.Ok()) {
        err << kProgramName << ": " << LookUpString(cl.Language, kDamagedFileMessage) << " ("
            << OneLine(dataPath.string() + ": " + loaded.Problem) << ")\n";
        return kExitUsage;
    }
    const ToleranceData& tables = *loaded.Data;

    int status = kExitComputed;
    {
        OutputBuffer buffer(out);
        switch (cl.Form) {
            case CommandForm::Batch: {
                buffer.Flush();
                const BatchOutcome batch = RunBatch(tables, in, out, cl.Language, cl.Edition);
                if (batch.LongLines > 0) {
                    err << kProgramName << ": " << batch.LongLines << " line(s) longer than "
                        << kLongestBatchLine << " bytes written as failed rows, the first is line "
                        << batch.FirstLongLine << "\n";
                }
                if (batch.InputFailed) {
                    err << kProgramName << ": standard input could not be read\n";
                    return kExitUsage;
                }
                status = batch.AllComputed ? kExitComputed : kExitZoneFailed;
                break;
            }
            case CommandForm::Query:
                status = RunQueries(tables, cl, buffer);
                break;
            case CommandForm::Explain:
                status = RunExplain(tables, cl, buffer.Data());
                break;
            case CommandForm::Check:
                status = RunCheck(tables, cl, buffer.Data());
                break;
            case CommandForm::Ranges:
                status = RunRanges(tables, cl, buffer.Data());
                break;
            case CommandForm::Interference:
            case CommandForm::Temperature: {
                std::string problem;
                status = cl.Form == CommandForm::Interference
                             ? RunInterference(tables, cl, buffer.Data(), problem)
                             : RunTemperature(tables, cl, buffer.Data(), problem);
                if (!problem.empty()) err << kProgramName << ": " << problem;
                break;
            }
            case CommandForm::Find: {
                const FindOptions find{cl.Operands[0], cl.Operands[1], cl.Operands[2],
                                       cl.All,         cl.Basis,       cl.Limit,
                                       cl.Csv,         cl.Language,    cl.Edition};
                std::string problem;
                status = RunFind(tables, find, buffer.Data(), problem);
                if (!problem.empty()) err << kProgramName << ": " << problem;
                break;
            }
        }
    }
    out.flush();
    if (!out) {
        err << kProgramName << ": the results could not be written\n";
        return kExitUsage;
    }
    return status;
}

}  // namespace brimsel::cli
