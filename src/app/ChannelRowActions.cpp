// ChannelRowActions.cpp — import, export, copy, cut and paste of channel rows in the main window.
#include "app/ChannelRowActions.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>

#include "app/frmMain.h"
#include "edit/ChannelCsv.h"
#include "editor/Dialogs.h"
#include "files/FileAccess.h"
#include "model/Converters.h"

namespace kelpie {

using namespace Qt::StringLiterals;

namespace {

QString CsvFilter()
{
    return QObject::tr("CSV files (*.csv)");
}

QString ProgramTitle(frmMain& window)
{
    return QString::fromStdString(window.Shell().ProgramTitle);
}

}  // namespace

ChannelRowActions::ChannelRowActions(frmMain& window) : QObject(&window), m_window(window) {}

int ChannelRowActions::GridGroup(bool tell)
{
    const int group = m_window.Editor().ChannelGridGroup();
    if (group < 0 && tell) {
        Tell(tr("Show the channel list of a bank (USA, INTL, CANADA or %1) first.")
                 .arg(QString::fromStdString(BankEName(m_window.Data().ModelIndex))),
             false);
    }
    return group;
}

void ChannelRowActions::Tell(const QString& text, bool failed)
{
    Dialogs::Message(&m_window, text, ProgramTitle(m_window),
                     failed ? MessageIcon::Exclamation : MessageIcon::Information, MessageButtons::Ok);
}

bool ChannelRowActions::Apply(const ChannelImport& checked, bool mayAskToSkip, const QString& what)
{
    const QString report = QString::fromStdString(ImportReport(checked));
    if (!checked.Error.empty()) {
        Tell(tr("%1: nothing changed.").arg(what) + u"\r\n"_s + report, true);
        return false;
    }
    bool skip = false;
    if (checked.HasRefusedRows()) {
        const QString refused = QString::fromStdString(RefusedRowsText(checked));
        skip =
            mayAskToSkip && Dialogs::Message(&m_window, refused + tr("Skip these rows and take the others?"),
                                             ProgramTitle(m_window), MessageIcon::Question,
                                             MessageButtons::YesNo) == MessageAnswer::Yes;
        if (!skip) {
            Tell(tr("%1: nothing changed.").arg(what) + u"\r\n"_s + (mayAskToSkip ? report : refused), true);
            return false;
        }
    }
    EditContext ctx{m_window.Data(), m_window.Shell()};
    std::vector<int> rows;
    for (const ChannelImport::Change& change : checked.Changes) {
        rows.push_back(change.Ref.index);
    }
    if (ApplyChannelImport(ctx, checked, skip, what.toStdString())) {
        m_window.Editor().ShowChannelRowsChanged(rows);
        m_window.ShowModified();
    }
    return true;
}

void ChannelRowActions::OnImport()
{
    const int group = GridGroup(true);
    if (group < 0 || !m_window.Editor().CommitPage()) {
        return;
    }
    const QString name = Dialogs::OpenFileName(&m_window, tr("Import Channels"), QString(), CsvFilter());
    if (name.isEmpty()) {
        return;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        Tell(tr("%1 cannot be read: %2").arg(name, file.errorString()), true);
        return;
    }
    const QByteArray bytes = file.readAll();
    const std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    ChannelImport checked;
    if (group == kGroupBankE && IsChirpCsv(text)) {
        const MessageAnswer place =
            Dialogs::Message(&m_window,
                             tr("A CHIRP channel list. Put each channel at its Location (Yes) or on the next "
                                "channels not enabled (No)?"),
                             ProgramTitle(m_window), MessageIcon::Question, MessageButtons::YesNoCancel);
        if (place == MessageAnswer::Cancel) {
            return;
        }
        checked =
            CheckChirpCsv(m_window.Data(), text,
                          place == MessageAnswer::Yes ? ChirpPlacing::AtLocation : ChirpPlacing::NextFree);
    } else {
        checked = CheckKelpieCsv(m_window.Data(), group, text);
    }
    if (Apply(checked, true, tr("Import Channels"))) {
        Tell(QString::fromStdString(ImportReport(checked)), false);
    }
}

void ChannelRowActions::OnExport()
{
    const int group = GridGroup(true);
    if (group < 0 || !m_window.Editor().CommitPage()) {
        return;
    }
    bool chirp = false;
    if (group == kGroupBankE) {
        const MessageAnswer format =
            Dialogs::Message(&m_window, tr("Export as a CHIRP channel list (Yes) or as Kelpie CSV (No)?"),
                             ProgramTitle(m_window), MessageIcon::Question, MessageButtons::YesNoCancel);
        if (format == MessageAnswer::Cancel) {
            return;
        }
        chirp = format == MessageAnswer::Yes;
    }
    const QString name =
        Dialogs::SaveFileName(&m_window, tr("Export Channels"), QString(), CsvFilter(), u"csv"_s);
    if (name.isEmpty()) {
        return;
    }
    try {
        const RadioData& data = m_window.Data();
        WriteFileAtomically(name.toStdString(), chirp ? ExportChirpCsv(data) : ExportKelpieCsv(data, group));
    } catch (const FileError& e) {
        Tell(u"FileSave Error!!\r\n"_s + QString::fromStdString(e.what()), true);
    }
}

void ChannelRowActions::OnCopy()
{
    const int group = GridGroup(false);
    const std::vector<int> rows = m_window.Editor().SelectedChannelRows();
    if (group < 0 || rows.empty()) {
        return;
    }
    auto* mime = new QMimeData;
    const RadioData& data = m_window.Data();
    const QByteArray csv = QByteArray::fromStdString(ExportChannelRows(data, group, rows, ','));
    mime->setText(QString::fromStdString(ExportChannelRows(data, group, rows, '\t')));
    mime->setData(QString::fromLatin1(kChannelRowsMime), csv);
    mime->setData(u"text/csv"_s, csv);
    QGuiApplication::clipboard()->setMimeData(mime);
}

void ChannelRowActions::OnCut()
{
    const int group = GridGroup(false);
    const std::vector<int> rows = m_window.Editor().SelectedChannelRows();
    if (group != kGroupBankE || rows.empty()) {
        return;
    }
    OnCopy();
    Apply(CheckClearedRows(m_window.Data(), rows), false, tr("Cut"));
}

void ChannelRowActions::OnPaste()
{
    const int group = GridGroup(false);
    const std::vector<int> rows = m_window.Editor().SelectedChannelRows();
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (group < 0 || !mime) {
        return;
    }
    const QString kelpie = QString::fromLatin1(kChannelRowsMime);
    const QByteArray text = mime->hasFormat(kelpie)          ? mime->data(kelpie)
                            : mime->hasFormat(u"text/csv"_s) ? mime->data(u"text/csv"_s)
                                                             : mime->text().toUtf8();
    if (text.isEmpty()) {
        return;
    }
    Apply(CheckPastedRows(m_window.Data(), group, text.toStdString(), rows), false, tr("Paste"));
}

}  // namespace kelpie
