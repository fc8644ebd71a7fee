#include "CompareReport.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace kelvo::bench {

namespace {

double Median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

double MedianOf(const Samples& samples, const char* measure) {
    const auto found = samples.find(measure);
    return found == samples.end() ? 0 : Median(found->second);
}

// A row of the table: a measure of KelvoTop and what it is held against.
struct Row {
    const char* measure;
    const char* against;
    double (*baseline)(const SizeResult& result);  // nullptr: nothing to hold it against
    int (*values)(int entries);                    // how many values the baseline reads or writes; nullptr: none
};

template <const char* measure>
double OfBare(const SizeResult& result) {
    return MedianOf(result.bare, measure);
}

template <const char* measure>
double OfIconsOff(const SizeResult& result) {
    return MedianOf(result.iconsOff, measure);
}

// The probe's own measures, taken in KelvoTop's run.
template <const char* measure>
double OfProbe(const SizeResult& result) {
    return MedianOf(result.kelvo, measure);
}

// What start-up may take: half as long again as the bare program's, plus
// reading the stored lists.
double StartUpAllowance(const SizeResult& result) {
    return 1.5 * MedianOf(result.bare, kStartUp) + MedianOf(result.kelvo, kStartUpReads);
}

int PlainValues(int entries) {
    return 2 * (entries + 1);
}

// The desktop list staged with its terminator and count, its entries copied.
int StagedValues(int entries) {
    return (entries + 2) + entries;
}

// Both lists read, entries and terminators, before the staged writes.
int ReadAndStagedValues(int entries) {
    return PlainValues(entries) + StagedValues(entries);
}

const Row kRows[] = {
    {kPopup, "bare program's 2-row popup", OfBare<kPopup>, nullptr},
    {kPopup, "KelvoTop with icons off", OfIconsOff<kPopup>, nullptr},
    {kStartUp, "bare program", OfBare<kStartUp>, nullptr},
    {kStartUp, "1.5x the bare program, plus both lists read directly", StartUpAllowance, PlainValues},
    {kStartUp, "KelvoTop with icons off", OfIconsOff<kStartUp>, nullptr},
    {kMemory, "bare program", OfBare<kMemory>, nullptr},
    {kMemory, "KelvoTop with icons off", OfIconsOff<kMemory>, nullptr},
    {kProperties, "-", nullptr, nullptr},
    {kPropertiesRested, "-", nullptr, nullptr},
    {kLoadDeskTop, "-", nullptr, nullptr},
    {kOk, "plain writes of both lists", OfProbe<kPlainWrites>, PlainValues},
    {kOk, "OK's own writes, done directly", OfProbe<kStagedWrites>, StagedValues},
    {kOk, "OK's own reads and writes, done directly", OfProbe<kReadsAndWrites>, ReadAndStagedValues},
};

std::string Thousands(int number) {
    std::string digits = std::to_string(number);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
    return digits;
}

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Amount(const char* measure, double value) {
    if (std::strcmp(measure, kMemory) == 0) return Format("%.1f MB", value);
    return Format(value < 100 ? "%.1f ms" : "%.0f ms", value);
}

std::string Ratio(double value, double baseline) {
    return baseline > 0 ? Format("%.1fx", value / baseline) : "-";
}

const SizeResult* TenTimesSmaller(const std::vector<SizeResult>& results, int entries) {
    for (const SizeResult& result : results) {
        if (result.entries > 0 && result.entries * 10 == entries) return &result;
    }
    return nullptr;
}

void PrintRow(const std::vector<SizeResult>& results, const SizeResult& result, const Row& row) {
    const double value = MedianOf(result.kelvo, row.measure);
    std::string against = row.against;
    if (row.values != nullptr) against += " (" + Thousands(row.values(result.entries)) + " values)";
    std::string baseline = "-";
    std::string ratio = "-";
    if (row.baseline != nullptr) {
        const double base = row.baseline(result);
        baseline = Amount(row.measure, base);
        ratio = Ratio(value, base);
    }
    const SizeResult* smaller = TenTimesSmaller(results, result.entries);
    const std::string growth = smaller != nullptr ? Ratio(value, MedianOf(smaller->kelvo, row.measure)) : "";
    std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", Thousands(result.entries).c_str(), row.measure,
                Amount(row.measure, value).c_str(), against.c_str(), baseline.c_str(), ratio.c_str(),
                growth.c_str());
}

void PrintRuns(const std::vector<SizeResult>& results, int showings) {
    std::printf("Medians of");
    for (const SizeResult& result : results) {
        std::printf(" %d run%s at %s,", result.runs, result.runs == 1 ? "" : "s", Thousands(result.entries).c_str());
    }
    std::printf(" KelvoTop and the bare program taking turns to go first; the popup: every showing, %d per start.\n",
                showings);
}

}  // namespace

std::string LastSamples(const Samples& samples) {
    std::string line;
    for (const auto& [measure, values] : samples) {
        if (values.empty()) continue;
        line += (line.empty() ? "" : ", ") + measure + " " + Amount(measure.c_str(), values.back());
    }
    return line;
}

void PrintTable(const std::vector<SizeResult>& results, int showings) {
    std::printf("\n| entries per list | action | KelvoTop | against | baseline | ratio | growth from 1/10 the entries |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (const SizeResult& result : results) {
        for (const Row& row : kRows) PrintRow(results, result, row);
    }
    PrintRuns(results, showings);
}

}  // namespace kelvo::bench
