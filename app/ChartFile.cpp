#include "app/ChartFile.h"

#include "app/SafeFile.h"

namespace kovrel {

Result<ChartLines> ReadChartFile(const std::string& path) {
    // Only the first 17 lines are read, so the memory a file costs is bounded whatever it holds.
    Result<std::string> bytes =
        ReadLeadingLines(path, kChartLineCount, kLongestChartLine, "a saved reading");
    if (!bytes) {
        return bytes.fault();
    }
    return DecodeChartFile(bytes.value());
}

Result<> WriteChartFile(const std::string& path, const ChartLines& lines) {
    if (Result<> written = WriteFileSafely(path, EncodeChartFile(lines)); !written) {
        return Fault{"The reading could not be saved to \"" + path + "\". " +
                     written.fault().message};
    }
    return Success();
}

Result<EntryForm> ApplyChartFile(const std::string& path, EntryForm entry) {
    if (!HasChartExtension(path)) {
        return Fault{kCheckFileMessage.english};
    }
    // A reading that cannot be read is reported, and not applied as a file of empty lines.
    Result<ChartLines> lines = ReadChartFile(path);
    if (!lines) {
        return lines.fault();
    }
    ApplyChartLines(lines.value(), entry);
    return entry;
}

std::string ReadOnlyFileMessage(std::string_view shownPath, std::string_view reason) {
    return "The file \"" + std::string(shownPath) +
           "\" is read-only. Please choose another file. " + std::string(reason);
}

} // namespace kovrel
