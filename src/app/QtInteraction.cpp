#include "app/QtInteraction.h"

#include "app/HelpContexts.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

namespace vantrel {

namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

// "Description|pattern|..." as the toolkit's name filters, "Description (pattern)".
QStringList nameFilters(const std::string& filter) {
    const QStringList parts = qt(filter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        filters << (description.contains(pattern) ? description : description + " (" + pattern + ")");
    }
    return filters;
}

}  // namespace

MessageAnswer QtInteraction::message(const std::string& text, const std::string& caption, MessageIcon icon,
                                     MessageButtons buttons) {
    QMessageBox::Icon shown = QMessageBox::Warning;
    if (icon == MessageIcon::Information) shown = QMessageBox::Information;
    if (icon == MessageIcon::None) shown = QMessageBox::NoIcon;
    QMessageBox::StandardButtons offered = QMessageBox::Ok;
    if (buttons == MessageButtons::OkCancel) offered = QMessageBox::Ok | QMessageBox::Cancel;
    if (buttons == MessageButtons::YesNo) offered = QMessageBox::Yes | QMessageBox::No;

    QMessageBox box(shown, qt(caption), qt(text), offered, parent_);
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        // Closing the box with Esc or its frame counts as its "no" button where it has one.
        if (buttons == MessageButtons::OkCancel && box.clickedButton() == nullptr) return MessageAnswer::Cancel;
        if (buttons == MessageButtons::YesNo && box.clickedButton() == nullptr) return MessageAnswer::No;
        return MessageAnswer::Ok;
    }
}

std::optional<std::filesystem::path> QtInteraction::chooseFile(const FileDialogRequest& request) {
    QFileDialog dialog(parent_);
    const bool save = request.mode == FileDialogRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(request.filter));
    dialog.setDefaultSuffix(qt(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.promptBeforeOverwriting);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

int QtInteraction::runDialog(QDialog& dialog) { return dialog.exec(); }

// Desktop openers (xdg-open among them) drop the #anchor of a file URL, so a topic is opened
// through a one-line page that forwards the browser to the anchor.
QUrl QtInteraction::topicUrl(const std::filesystem::path& page, int context) {
    QUrl target = QUrl::fromLocalFile(qt(page.string()));
    target.setFragment(qt(helpAnchor(context)));
    const QString forward = QDir(QDir::tempPath()).filePath(QStringLiteral("vantrel-help-%1.html").arg(context));
    QFile file(forward);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return target;
    const QByteArray link = target.toEncoded();
    file.write("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><meta http-equiv=\"refresh\" content=\"0; url=" +
               link + "\"></head><body><a href=\"" + link + "\">Vantrel help</a></body></html>\n");
    return QUrl::fromLocalFile(forward);
}

void QtInteraction::openHelp(std::optional<int> context) {
    const std::filesystem::path page = helpPagePath();
    const QUrl url = context ? topicUrl(page, *context) : QUrl::fromLocalFile(qt(page.string()));
    if (std::filesystem::exists(page) && QDesktopServices::openUrl(url)) return;
    QMessageBox::warning(parent_, QStringLiteral("Help"),
                         QStringLiteral("The help pages could not be opened:\n%1").arg(qt(page.string())));
}

}  // namespace vantrel
