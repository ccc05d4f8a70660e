#include "CMergeDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vistagon::gui {

namespace {

ConvertDialogResource MergeResource()
{
    ConvertDialogResource resource = ToolResource(QStringLiteral("Merge Files"), QStringLiteral("dialog-merge"));
    resource.sourceLabel = QStringLiteral("File &1:");
    return resource;
}

}  // namespace

CMergeDialog::CMergeDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files, MergeResource(), parent)
{
    auto* grid = new QGridLayout;
    second_ = AddInputFile(grid, 0, QStringLiteral("File &2:"), TgaInputRequest());
    body()->addLayout(grid);
    auto* form = new QFormLayout;
    bias1_ = new QLineEdit(DoubleText(options_.bias1), this);
    bias2_ = new QLineEdit(DoubleText(options_.bias2), this);
    form->addRow(QStringLiteral("Bias &1:"), bias1_);
    form->addRow(QStringLiteral("Bias &2:"), bias2_);
    body()->addLayout(form);

    auto* operations = new QGridLayout;
    add_ = new QRadioButton(QStringLiteral("&Add"), this);
    multiply_ = new QRadioButton(QStringLiteral("M&ultiply"), this);
    add_->setChecked(true);
    operations->addWidget(add_, 0, 0);
    operations->addWidget(new QLabel(QStringLiteral("Notes:\n\nTarget color =\ncolor1*Bias1 + color2*Bias2"), this), 1,
                          0);
    operations->addWidget(multiply_, 0, 1);
    operations->addWidget(
        new QLabel(QStringLiteral("\n\nTarget color =\n(color1 + Bias1) * (color2 + Bias2) / 255"), this), 1, 1);
    body()->addLayout(operations);
}

bool CMergeDialog::ReadControls()
{
    const double limit = MergeOptions::kBiasLimit;
    if (!ReadDoubleInRange(bias1_, messages(), -limit, limit, options_.bias1)) return false;
    if (!ReadDoubleInRange(bias2_, messages(), -limit, limit, options_.bias2)) return false;
    options_.operation = multiply_->isChecked() ? MergeOperation::Multiply : MergeOperation::Add;
    options_.second = PathOf(second_->edit);
    return true;
}

bool CMergeDialog::Convert(AppContext& context)
{
    options_.source = PathOf(sourceEdit());
    options_.target = PathOf(targetEdit());
    MergeJob job(context, options_);
    return job.Run();
}

}  // namespace vistagon::gui
