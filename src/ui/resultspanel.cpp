#include "ui/resultspanel.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "generation/targets/targetcatalog.h"
#include "ui/iconpreviewstrip.h"
#include "ui/platformpreview.h"

namespace iconsmith {

namespace {

constexpr int leastPreviewHeight = 124;

} // namespace

ResultsPanel::ResultsPanel(QWidget *parent)
    : QWidget(parent), m_summary(new QLabel(this)), m_showButton(new QPushButton(tr("Sho&w in Files"), this)),
      m_closeButton(new QToolButton(this)), m_notice(new QLabel(this)),
      m_copyButton(new QPushButton(tr("Cop&y Path"), this)), m_notes(new QLabel(this)), m_strip(new IconPreviewStrip),
      m_platforms(new PlatformPreview), m_tabs(new QTabWidget(this)), m_files(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("resultsPanel"));
    m_summary->setObjectName(QStringLiteral("resultSummary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_showButton->setObjectName(QStringLiteral("showInFilesButton"));
    m_closeButton->setObjectName(QStringLiteral("closeResultsButton"));
    m_closeButton->setAutoRaise(true);
    m_closeButton->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton, nullptr, this));
    m_closeButton->setToolTip(tr("Hide the results"));
    m_closeButton->setAccessibleName(m_closeButton->toolTip());
    m_notice->setObjectName(QStringLiteral("folderNotShownLabel"));
    m_notice->setWordWrap(true);
    m_copyButton->setObjectName(QStringLiteral("copyPathButton"));
    m_notes->setObjectName(QStringLiteral("resultNotes"));
    m_notes->setWordWrap(true);
    m_notes->setTextFormat(Qt::PlainText);
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notes->hide();
    m_strip->setObjectName(QStringLiteral("resultPreview"));
    m_platforms->setObjectName(QStringLiteral("platformPreview"));
    m_files->setObjectName(QStringLiteral("resultFiles"));
    m_files->setAccessibleName(tr("Files written"));
    m_files->setColumnCount(3);
    m_files->setHeaderLabels({tr("File"), tr("Pixels"), tr("Alpha")});
    m_files->setRootIsDecorated(false);
    m_files->setUniformRowHeights(true);
    // The paths of targets share long beginnings and differ at their ends.
    m_files->setTextElideMode(Qt::ElideMiddle);
    m_files->header()->setStretchLastSection(false);
    m_files->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_files->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_files->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // A few rows at least, so that the list is a list even in a short window.
    m_files->setMinimumHeight(m_files->header()->sizeHint().height() + 3 * fontMetrics().lineSpacing());

    m_tabs->setObjectName(QStringLiteral("previewTabs"));
    m_tabs->setDocumentMode(true);
    m_tabs->addTab(scrolling(m_platforms), tr("On the Systems"));
    m_tabs->addTab(scrolling(m_strip), tr("At Real Size"));

    auto *header = new QHBoxLayout;
    header->addWidget(m_summary, 1);
    header->addWidget(m_showButton);
    header->addWidget(m_closeButton);
    auto *notice = new QHBoxLayout;
    notice->addWidget(m_notice, 1);
    notice->addWidget(m_copyButton);
    auto *body = new QHBoxLayout;
    body->addWidget(m_tabs, 5);
    body->addWidget(m_files, 4);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 8, 18, 12);
    layout->addLayout(header);
    layout->addLayout(notice);
    layout->addWidget(m_notes);
    layout->addLayout(body, 1);

    connect(m_showButton, &QPushButton::clicked, this, [this] { Q_EMIT showFolderRequested(m_folder); });
    connect(m_copyButton, &QPushButton::clicked, this, &ResultsPanel::copyPath);
    connect(m_closeButton, &QToolButton::clicked, this, &ResultsPanel::closeRequested);
    setFolderNotShown(QString());
}

QScrollArea *ResultsPanel::scrolling(QWidget *content)
{
    auto *scroller = new QScrollArea(this);
    scroller->setWidget(content);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    // Not a stop of its own for Tab: it would take the focus without showing it.
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Always there, so that the height the panel asks for includes it.
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Its whole row where the window has room (the size hint), and the pictures without their
    // labels where it has not, so that a short screen still shows the results.
    scroller->setMinimumHeight(std::min(content->minimumSizeHint().height(), leastPreviewHeight) +
                               style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller));
    return scroller;
}

QString ResultsPanel::noteText(const RunNote &note)
{
    if (!note.missingPicture)
        return tr("Note: %1").arg(note.message);
    return tr("Note: %1 To add one, choose a picture for %2 under Targets.")
        .arg(note.message, TargetCatalog::pictureName(*note.missingPicture));
}

void ResultsPanel::showReport(const GenerationReport &report, const QString &summary)
{
    m_folder = report.folder;
    m_summary->setText(summary);
    setFolderNotShown(QString());
    const QList<GenerationReport::WrittenFile> files = report.distinctFiles();
    m_showButton->setEnabled(!files.isEmpty() && QFileInfo(m_folder).isDir());
    m_strip->setFiles(files);
    m_platforms->setFiles(files, m_folder);
    // The systems' view where the files hold one; each preview starts at its beginning again.
    m_tabs->setTabVisible(0, !m_platforms->isEmpty());
    m_tabs->setCurrentIndex(m_platforms->isEmpty() ? 1 : 0);
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (auto *scroller = qobject_cast<QScrollArea *>(m_tabs->widget(i)))
            scroller->horizontalScrollBar()->setValue(0);
    }
    QStringList notes;
    for (const RunNote &note : report.notes)
        notes << noteText(note);
    m_notes->setText(notes.join(u'\n'));
    m_notes->setVisible(!notes.isEmpty());
    m_files->clear();
    // A set of targets spreads over folders of its own; the path inside the save folder tells
    // their files apart (a classic set's files are straight inside it).
    const QDir folder(m_folder);
    for (const GenerationReport::WrittenFile &file : files) {
        const bool image = !file.pixels.isEmpty();
        QString relative = folder.relativeFilePath(file.path);
        if (m_folder.isEmpty() || relative.startsWith(u"../") || QDir::isAbsolutePath(relative))
            relative = QFileInfo(file.path).fileName();
        auto *item = new QTreeWidgetItem(
            m_files, {QDir::toNativeSeparators(relative),
                      image ? tr("%1 × %2").arg(file.pixels.width()).arg(file.pixels.height()) : QString(),
                      image ? (file.alpha ? tr("Yes") : tr("No")) : QString()});
        item->setToolTip(0, QDir::toNativeSeparators(file.path));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_files->scrollToTop();
}

void ResultsPanel::setFolderNotShown(const QString &folder, const QString &reason)
{
    m_notShown = folder;
    QString text;
    if (!folder.isEmpty()) {
        text = tr("The file browser could not be opened on %1. Copy its path to open it yourself.")
                   .arg(QDir::toNativeSeparators(folder));
        if (!reason.isEmpty())
            text += u' ' + reason;
    }
    m_notice->setText(text);
    m_notice->setVisible(!folder.isEmpty());
    m_copyButton->setVisible(!folder.isEmpty());
}

void ResultsPanel::copyPath()
{
    QGuiApplication::clipboard()->setText(QDir::toNativeSeparators(m_notShown));
    m_notice->setText(tr("The path of %1 is on the clipboard.").arg(QDir::toNativeSeparators(m_notShown)));
}

} // namespace iconsmith
