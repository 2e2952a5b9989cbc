// Any bytes as a settings file, checked for both pages. Whatever the check
// accepts must unpack into a real page without a bad-data report, and whatever it
// refuses must name a cell that really holds the reported value.
#include "files/LineFile.h"
#include "files/OutputSettingsFile.h"
#include "model/ReleImage.h"
#include "model/RpuImage.h"

#include <cstdint>
#include <cstdlib>

namespace {

class NoReportExpected : public tunbox::ProcessEnd {
  public:
    void AbortOnBadData(int, quint32) override { std::abort(); }
};

void Check(const QStringList& lines, tunbox::SettingsPage page) {
    using tunbox::SettingsFileResult;
    const tunbox::SettingsFileData data = tunbox::CheckSettingsLines(lines, page);
    switch (data.result) {
    case SettingsFileResult::Ok: {
        NoReportExpected end;
        if (page == tunbox::SettingsPage::Rele) {
            tunbox::PageState state = tunbox::ReleInitialState();
            if (tunbox::UnpackReleImage(state, data.image, {}, end) != tunbox::UnpackResult::Ok)
                std::abort();
        } else {
            tunbox::PageState state = tunbox::RpuInitialState();
            if (tunbox::UnpackRpuImage(state, data.image, end) != tunbox::UnpackResult::Ok)
                std::abort();
        }
        break;
    }
    case SettingsFileResult::TooFewLines:
        if (lines.size() >= tunbox::SettingsImageLength)
            std::abort();
        break;
    case SettingsFileResult::NotANumber:
        if (data.line < 1 || data.line > tunbox::SettingsImageLength)
            std::abort();
        break;
    case SettingsFileResult::BadValue:
        if (data.cell.byte < 0 || data.cell.byte >= tunbox::SettingsImageLength ||
            static_cast<quint32>(lines[data.cell.byte].trimmed().toInt()) != data.cell.value)
            std::abort();
        break;
    case SettingsFileResult::Unreadable:
        std::abort(); // no file was read
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines =
        tunbox::SplitLines(QByteArrayView(reinterpret_cast<const char*>(data), size));
    Check(lines, tunbox::SettingsPage::Rele);
    Check(lines, tunbox::SettingsPage::Rpu);
    return 0;
}
