#include "COptionsDialog.h"

#include "platform/FieldText.h"
#include "platform/NumberParsing.h"
#include "platform/TextFormat.h"
#include "scene/ColorSwatch.h"
#include "scene/CustomColors.h"
#include "shell/Shell.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace vistagon::gui {

namespace {

struct Check {
    bool (*fails)(long);
    const char* message;
    int edit;  // 0 line width, 1 border, 2 redraw, 3 antialiasing
};

const Check kChecks[] = {
    {[](long v) { return v < 0; }, "The flight path width has to be at least 0 pixels.", 0},
    {[](long v) { return v > 10; }, "The flight path width has to be at most 10 pixels.", 0},
    {[](long v) { return v < 0; }, "The border width has to be at least 0 pixels.", 1},
    {[](long v) { return v > 1000; }, "The border width has to be at most 1000 pixels.", 1},
    {[](long v) { return v < 100; }, "The redraw interval has to be at least 100 ms.", 2},
    {[](long v) { return v > 65535; }, "The redraw interval has to be at most 65535 ms.", 2},
    {[](long v) { return v < 1; }, "The antialiasing value has to be at least 1 pixel.", 3},
    {[](long v) { return v > 128; }, "The antialiasing value has to be at most 128 pixel.", 3},
};

void Focus(QLineEdit* edit)
{
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

}  // namespace

COptionsDialog::COptionsDialog(Shell& shell) : QDialog(shell.DialogParent()), shell_(shell)
{
    setWindowTitle("Options");
    const Profile profile = shell.AppProfile();
    colour_ = ScanHex(profile.GetString("FlightPath", "Color", "000000")).value_or(0);

    auto* layout = new QVBoxLayout(this);
    auto* path = new QGroupBox("Flight Path", this);
    auto* pathForm = new QFormLayout(path);
    auto* colourRow = new QHBoxLayout;
    swatch_ = new ColorSwatch(path);
    swatch_->setColour(colour_);
    auto* browse = new QPushButton("B&rowse...", path);
    connect(browse, &QPushButton::clicked, this, [this] { BrowseColour(); });
    colourRow->addWidget(swatch_);
    colourRow->addWidget(browse);
    colourRow->addStretch();
    pathForm->addRow("Color:", colourRow);
    width_ = Edit(profile.GetInt("FlightPath", "Width", 0));
    border_ = Edit(profile.GetInt("FlightPath", "BorderWidth", 0));
    pathForm->addRow("&Line Width:", width_);
    pathForm->addRow("&Border Width:", border_);
    layout->addWidget(path);

    auto* rendering = new QGroupBox("Rendering", this);
    auto* renderForm = new QFormLayout(rendering);
    redraw_ = Edit(profile.GetInt("Settings", "RedrawInterval", 10000));
    antialiasing_ = Edit(profile.GetInt("Settings", "Antialiasing", 4));
    renderForm->addRow("Redraw &Interval:", redraw_);
    renderForm->addRow("&Antialiasing:", antialiasing_);
    layout->addWidget(rendering);

    auto* partial = new QGroupBox("Partial Image", this);
    auto* partialLayout = new QVBoxLayout(partial);
    auto* radios = new QHBoxLayout;
    quarter_ = new QButtonGroup(this);
    const char* labels[] = {"&No", "Quarter &1", "Quarter &2", "Quarter &3", "Quarter &4"};
    for (int i = 0; i < 5; ++i) {
        auto* radio = new QRadioButton(labels[i], partial);
        quarter_->addButton(radio, i);
        radios->addWidget(radio);
    }
    const int quarter = profile.GetInt("Settings", "Quarter", 0);
    quarter_->button(quarter >= 0 && quarter <= 4 ? quarter : 0)->setChecked(true);
    partialLayout->addLayout(radios);
    partialLayout->addWidget(new QLabel("Note:\nUse the Partial Image option on still images only.", partial));
    layout->addWidget(partial);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { shell_.ShowHelp("dialog-options"); });
    layout->addWidget(buttons);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { shell_.ShowHelp("dialog-options"); });
}

QLineEdit* COptionsDialog::Edit(int value)
{
    auto* edit = new QLineEdit(QString::number(value), this);
    edit->setMaximumWidth(100);
    return edit;
}

void COptionsDialog::BrowseColour()
{
    if (auto chosen = CustomColors::Choose(this, shell_.AppProfile(), colour_)) {
        colour_ = *chosen;
        swatch_->setColour(colour_);
    }
}

void COptionsDialog::accept()
{
    QLineEdit* const edits[] = {width_, border_, redraw_, antialiasing_};
    int values[4];
    for (int i = 0; i < 4; ++i) {
        const std::optional<int> value = ParseFieldInt(edits[i]->text());
        if (!value) {
            shell_.Messages().ShowMessage("Please enter an integer.", MessageIcon::Warning);
            Focus(edits[i]);
            return;
        }
        values[i] = *value;
    }
    for (const Check& check : kChecks) {
        if (!check.fails(values[check.edit])) continue;
        Focus(edits[check.edit]);
        shell_.Messages().ShowMessage(check.message, MessageIcon::Stop);
        return;
    }
    const Profile profile = shell_.AppProfile();
    try {
        profile.WriteString("FlightPath", "Color", FormatText("%lX", static_cast<unsigned long>(colour_)));
        profile.WriteInt("FlightPath", "Width", values[0]);
        profile.WriteInt("FlightPath", "BorderWidth", values[1]);
        profile.WriteInt("Settings", "RedrawInterval", values[2]);
        profile.WriteInt("Settings", "Antialiasing", values[3]);
        profile.WriteInt("Settings", "Quarter", std::max(0, quarter_->checkedId()));
    } catch (const std::exception& e) {
        shell_.Messages().ShowMessage(e.what(), MessageIcon::Stop);
        return;
    }
    QDialog::accept();
}

}  // namespace vistagon::gui
