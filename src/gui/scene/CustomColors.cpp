#include "CustomColors.h"

#include "platform/NumberParsing.h"
#include "platform/TextFormat.h"

#include <QColorDialog>

namespace vistagon::gui {

namespace {

std::string KeyOf(int index)
{
    return FormatText("BGr%02d", index);
}

uint32_t Gray(int index)
{
    const uint32_t level = static_cast<uint32_t>(255 - 16 * index);
    return level | (level << 8) | (level << 16);
}

}  // namespace

std::array<uint32_t, CustomColors::kCount> CustomColors::Read(const Profile& profile)
{
    std::array<uint32_t, kCount> colours{};
    for (int i = 0; i < kCount; ++i) {
        const std::string text = profile.GetString("Colors", KeyOf(i), "-1");
        const std::optional<uint32_t> value = text.rfind("-1", 0) == 0 ? std::nullopt : ScanHex(text);
        colours[static_cast<size_t>(i)] = value && *value != 0xFFFFFFFFu ? *value : Gray(i);
    }
    return colours;
}

void CustomColors::Write(const Profile& profile, const std::array<uint32_t, kCount>& colours)
{
    for (int i = 0; i < kCount; ++i)
        profile.WriteString("Colors", KeyOf(i), FormatText("%lX", static_cast<unsigned long>(colours[static_cast<size_t>(i)])));
}

std::optional<uint32_t> CustomColors::Choose(QWidget* parent, const Profile& profile, uint32_t initial)
{
    std::array<uint32_t, kCount> colours = Read(profile);
    for (int i = 0; i < kCount; ++i) QColorDialog::setCustomColor(i, ToQColor(colours[static_cast<size_t>(i)]));
    QColorDialog dialog(ToQColor(initial), parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    for (int i = 0; i < kCount; ++i) colours[static_cast<size_t>(i)] = FromQColor(QColorDialog::customColor(i));
    Write(profile, colours);
    return FromQColor(dialog.selectedColor());
}

QColor CustomColors::ToQColor(uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

uint32_t CustomColors::FromQColor(const QColor& colour)
{
    return static_cast<uint32_t>(colour.red()) | (static_cast<uint32_t>(colour.green()) << 8) |
           (static_cast<uint32_t>(colour.blue()) << 16);
}

}  // namespace vistagon::gui
