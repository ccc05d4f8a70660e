#pragma once

#include "CConvertDialog.h"
#include "import/irregular/AsciiIrregularJob.h"

namespace vistagon::gui {

class ResultsListBox;

// Import Filters, ASCII Irregular: scattered "x y z" lines gridded through a
// triangulation; choosing the source scans it for the points' bounds.
class CAsciiIrregularDialog : public CConvertDialog {
    Q_OBJECT
public:
    CAsciiIrregularDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    QLineEdit* widthEdit() const { return width_; }
    QLineEdit* heightEdit() const { return height_; }
    QLineEdit* skipEdit() const { return skip_; }
    QLineEdit* zScaleEdit() const { return zScale_; }
    QLineEdit* estimateEdit() const { return estimate_; }
    QLineEdit* minXEdit() const { return minX_; }
    QLineEdit* maxXEdit() const { return maxX_; }
    QLineEdit* minYEdit() const { return minY_; }
    QLineEdit* maxYEdit() const { return maxY_; }
    ResultsListBox* results() const { return results_; }

protected:
    bool ReadControls() override;
    bool Convert(AppContext& context) override;
    void SourceChosen() override;

private:
    void ShowOptions();

    QLineEdit *maxX_, *minX_, *maxY_, *minY_, *skip_, *width_, *height_, *zScale_, *estimate_;
    ResultsListBox* results_;
    AsciiIrregularOptions options_;
};

}  // namespace vistagon::gui
