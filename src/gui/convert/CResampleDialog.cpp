#include "CResampleDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"
#include "tools/ResampleJob.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vistagon::gui {

CResampleDialog::CResampleDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files,
                     ToolResource(QStringLiteral("Resample Elevation File"), QStringLiteral("dialog-resample")), parent)
{
    auto* group = new QGroupBox(QStringLiteral("Reduction"), this);
    auto* row = new QHBoxLayout(group);
    const char* labels[] = {"1 : &2", "1 : &3", "1 : &4"};
    for (size_t i = 0; i < reductions_.size(); ++i) {
        reductions_[i] = new QRadioButton(QString::fromLatin1(labels[i]), group);
        row->addWidget(reductions_[i]);
    }
    reductions_[static_cast<size_t>(ResampleOptions{}.reduction)]->setChecked(true);
    body()->addWidget(group);
}

bool CResampleDialog::Convert(AppContext& context)
{
    ResampleOptions options;
    options.source = PathOf(sourceEdit());
    options.target = PathOf(targetEdit());
    for (size_t i = 0; i < reductions_.size(); ++i)
        if (reductions_[i]->isChecked()) options.reduction = static_cast<int>(i);
    ResampleJob job(context, options);
    return job.Run();
}

}  // namespace vistagon::gui
