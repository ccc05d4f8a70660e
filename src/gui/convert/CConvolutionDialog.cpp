#include "CConvolutionDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"
#include "tools/ConvolutionJob.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace vistagon::gui {

CConvolutionDialog::CConvolutionDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files, ToolResource(QStringLiteral("Convolution"), QStringLiteral("dialog-convolution")),
                     parent)
{
    auto* grid = new QGridLayout;
    matrix_ = AddInputFile(grid, 0, QStringLiteral("&Value Matrix:"), TgaInputRequest());
    body()->addLayout(grid);
}

bool CConvolutionDialog::Convert(AppContext& context)
{
    ConvolutionJob job(context, {PathOf(sourceEdit()), PathOf(targetEdit()), PathOf(matrix_->edit)});
    return job.Run();
}

}  // namespace vistagon::gui
