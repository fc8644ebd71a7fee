#pragma once
// The samples of the comparison and the table of their medians.
#include <map>
#include <string>
#include <vector>

namespace kelvo::bench {

// What is measured, in milliseconds (memory: in MB).
inline constexpr char kPopup[] = "popup shown";
inline constexpr char kStartUp[] = "start-up";
inline constexpr char kMemory[] = "resident memory";
inline constexpr char kProperties[] = "Properties";
// The first Properties again, chosen once its row has been highlighted for
// as long as the settings window takes to be made, as when the mouse rests
// on the row before the click.
inline constexpr char kPropertiesRested[] = "Properties, its row highlighted first";
inline constexpr char kLoadDeskTop[] = "Load DeskTop";
inline constexpr char kOk[] = "OK";
inline constexpr char kStartUpReads[] = "start-up's reads";
inline constexpr char kPlainWrites[] = "plain writes";
inline constexpr char kStagedWrites[] = "staged writes";
inline constexpr char kReadsAndWrites[] = "reads and staged writes";

using Samples = std::map<std::string, std::vector<double>>;

struct SizeResult {
    int entries = 0;
    int runs = 0;
    Samples kelvo;
    Samples bare;
    // KelvoTop with "Show icons in the menu" off: start-up, memory, popup.
    Samples iconsOff;
};

// The last sample of every measure, on one line.
std::string LastSamples(const Samples& samples);

// One markdown table of the medians for every size, with the ratios to the
// bare program (to the raw writes for OK; to KelvoTop with its icons off
// for its start-up, memory and popup) and how KelvoTop's figures grow
// from the size ten times smaller.
void PrintTable(const std::vector<SizeResult>& results, int showings);

}  // namespace kelvo::bench
