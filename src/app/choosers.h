#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>

#include "imaging/rgbcolor.h"

class QAbstractButton;
class QColor;
class QFileDialog;
class QLineEdit;

namespace iconsmith {

class ColorSwatchButton;
class MainWindow;
class RedBorderImageView;

/**
 * The window's choosers, each opened as a sheet on the window: the save folder (remembered when
 * chosen), the image for the well (starting where the last one came from) and the background
 * colour (remembered when chosen or removed, shown on its swatch and in the well).
 */
class Choosers : public QObject
{
    Q_OBJECT

public:
    explicit Choosers(QObject *parent = nullptr);

    /** Takes the controls the choosers fill as outlets; the image chooser offers @p imageFilters. */
    void connectWindow(MainWindow &window, const QStringList &imageFilters);

    /** Opens the folder chooser; savePathChosen() receives its result. */
    void selectSavePath();
    /** The folder chooser's completion: on QDialog::Accepted shows and remembers @p folder. */
    void savePathChosen(int result, const QString &folder);
    /** Opens the image chooser in the folder of the last image; imageChosen() receives its result. */
    void openImage();
    /** The image chooser's completion: on QDialog::Accepted loads @p path into the well. */
    void imageChosen(int result, const QString &path);
    /** Opens the colour chooser; backgroundColorChosen() receives its result. */
    void selectBackgroundColor();
    /** The colour chooser's completion: on QDialog::Accepted uses and remembers @p color as the background. */
    void backgroundColorChosen(int result, const QColor &color);
    /** Turns the background colour off, so that transparency is kept, and remembers that. */
    void removeBackgroundColor();

    /** The background colour; none keeps transparency. */
    [[nodiscard]] const std::optional<RgbColor> &backgroundColor() const { return m_backgroundColor; }
    /** Uses @p color as the background colour without remembering it. */
    void setBackgroundColor(const std::optional<RgbColor> &color);

    /**
     * The save folder that the field's @p text names, as an absolute path: a relative path is
     * taken from the home folder (never from wherever the program was started); a leading "~"
     * is kept, as it names the home folder already. Blank text stays blank.
     */
    [[nodiscard]] static QString absoluteSaveFolder(const QString &text);

Q_SIGNALS:
    /** The background colour changed. */
    void backgroundColorChanged();

private:
    void openSheet(QFileDialog *dialog, void (Choosers::*completion)(int, const QString &));

    QPointer<MainWindow> m_window;
    QPointer<QLineEdit> m_pathField;
    QPointer<RedBorderImageView> m_well;
    QPointer<ColorSwatchButton> m_backgroundButton;
    QPointer<QAbstractButton> m_noBackgroundButton;
    QStringList m_imageFilters;
    std::optional<RgbColor> m_backgroundColor;
};

} // namespace iconsmith
