#include "ConverterDialogs.h"

#include "CAsciiIrregularDialog.h"
#include "CAsciiRegularDialog.h"
#include "CBinaryDemDialog.h"
#include "CBlueZeroDialog.h"
#include "CConvolutionDialog.h"
#include "CElevToColorDialog.h"
#include "CElevToGrayDialog.h"
#include "CGrayToElevDialog.h"
#include "CJapanDemDialog.h"
#include "CMaskDialog.h"
#include "CMergeDialog.h"
#include "CRectifyDialog.h"
#include "CResampleDialog.h"
#include "CSdtsImportDialog.h"
#include "CTgaIrregularDialog.h"
#include "CUsgsDemDialog.h"

#ifdef VISTAGON_HAVE_GDAL
#include "convert/gdal/CGdalImportDialog.h"
#endif

namespace vistagon::gui {

std::unique_ptr<CConvertDialog> MakeConverterDialog(ConverterCommand command, Shell& shell, FileChooser& files,
                                                    QWidget* parent)
{
    switch (command) {
    case ConverterCommand::UsgsDem: return std::make_unique<CUsgsDemDialog>(shell, files, parent);
    case ConverterCommand::BinaryDem: return std::make_unique<CBinaryDemDialog>(shell, files, parent);
    case ConverterCommand::AsciiRegular: return std::make_unique<CAsciiRegularDialog>(shell, files, parent);
    case ConverterCommand::AsciiIrregular: return std::make_unique<CAsciiIrregularDialog>(shell, files, parent);
    case ConverterCommand::TgaIrregular: return std::make_unique<CTgaIrregularDialog>(shell, files, parent);
    case ConverterCommand::Sdts: return std::make_unique<CSdtsImportDialog>(shell, files, parent);
    case ConverterCommand::JapanDem: return std::make_unique<CJapanDemDialog>(shell, files, parent);
    case ConverterCommand::ElevationToColor: return std::make_unique<CElevToColorDialog>(shell, files, parent);
    case ConverterCommand::ElevationToGray: return std::make_unique<CElevToGrayDialog>(shell, files, parent);
    case ConverterCommand::GrayToElevation: return std::make_unique<CGrayToElevDialog>(shell, files, parent);
    case ConverterCommand::BlueZero: return std::make_unique<CBlueZeroDialog>(shell, files, parent);
    case ConverterCommand::Convolution: return std::make_unique<CConvolutionDialog>(shell, files, parent);
    case ConverterCommand::Merge: return std::make_unique<CMergeDialog>(shell, files, parent);
    case ConverterCommand::Mask: return std::make_unique<CMaskDialog>(shell, files, parent);
    case ConverterCommand::Resample: return std::make_unique<CResampleDialog>(shell, files, parent);
    case ConverterCommand::Rectify: return std::make_unique<CRectifyDialog>(shell, files, parent);
    case ConverterCommand::GdalRaster:
#ifdef VISTAGON_HAVE_GDAL
        return std::make_unique<CGdalImportDialog>(shell, files, parent);
#else
        return nullptr;
#endif
    }
    return nullptr;
}

}  // namespace vistagon::gui
