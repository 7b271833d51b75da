#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>

#include "codec/sourceimage.h"
#include "generation/generationrequest.h"

class QWidget;

namespace iconsmith {

class TargetsPanel;

/**
 * Gives the targets panel its behaviour: the choosers of its pictures, the choices remembered
 * between runs, the name it falls back on, and its part of the request Generate starts a run with.
 */
class TargetsController : public QObject
{
    Q_OBJECT

public:
    explicit TargetsController(QObject *parent = nullptr);

    /** Takes @p panel as an outlet; its choosers open as sheets on @p window with @p nameFilters. */
    void connectPanel(TargetsPanel *panel, QWidget *window, const QStringList &nameFilters);
    /** Ticks the remembered targets and restores the remembered inset and shape choice. */
    void restore();
    /** Shows the name the files get from @p source when the name field is left empty. */
    void sourceChanged(const SourceImage &source);
    /** What keeps a run over targets from starting, one line each; empty when nothing does. */
    [[nodiscard]] QStringList missingInput() const;
    /** Puts the panel's targets, pictures and options into @p request. */
    void fillRequest(GenerationRequest &request) const;

    /** Opens the chooser of @p role's picture as a sheet, in the folder of the last image. */
    void choosePicture(SourceRole role);
    /** The chooser's completion: on QDialog::Accepted puts @p path into @p role's field. */
    void pictureChosen(SourceRole role, int result, const QString &path);

private:
    void remember() const;

    QPointer<TargetsPanel> m_panel;
    QPointer<QWidget> m_window;
    QStringList m_nameFilters;
};

} // namespace iconsmith
