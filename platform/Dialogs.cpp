#include "Dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        out.append(QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' '))));
    }
    return out.join(QStringLiteral(";;"));
}

namespace {

// Message boxes carry the product name; window titles stay as each window sets them.
const QString kTitle = QStringLiteral("Qor");

std::optional<FileChoice> runFileDialog(QWidget* parent, const FileDialogOptions& options, bool save)
{
    QFileDialog dialog(parent, options.title, options.initialDir, qtFileFilter(options.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!options.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(options.defaultSuffix);
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
    QCheckBox* readOnly = nullptr;
    if (options.showReadOnly && !save) {
        // The read-only tick needs Qt's own dialog: the native ones cannot take extra controls.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            readOnly = new QCheckBox(QObject::tr("Open as read-only"), &dialog);
            grid->addWidget(readOnly, grid->rowCount(), 0, 1, -1);
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileChoice{dialog.selectedFiles().constFirst(), readOnly && readOnly->isChecked()};
}

} // namespace

void QtDialogs::message(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, kTitle, text);
}

void QtDialogs::error(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, kTitle, text);
}

Answer QtDialogs::confirm(QWidget* parent, const QString& text, Buttons buttons)
{
    QMessageBox::StandardButtons set;
    QMessageBox::StandardButton fallback = QMessageBox::Cancel;
    switch (buttons) {
    case Buttons::YesNo:
        set = QMessageBox::Yes | QMessageBox::No;
        fallback = QMessageBox::No;
        break;
    case Buttons::YesNoCancel:
        set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        fallback = QMessageBox::Cancel;
        break;
    case Buttons::OkCancel:
        set = QMessageBox::Ok | QMessageBox::Cancel;
        fallback = QMessageBox::Cancel;
        break;
    }
    QMessageBox box(QMessageBox::Question, kTitle, text, set, parent);
    box.setEscapeButton(fallback);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

std::optional<FileChoice> QtDialogs::openFile(QWidget* parent, const FileDialogOptions& options)
{
    return runFileDialog(parent, options, false);
}

std::optional<FileChoice> QtDialogs::saveFile(QWidget* parent, const FileDialogOptions& options)
{
    return runFileDialog(parent, options, true);
}

QFont QtDialogs::font(QWidget* parent, const QFont& initial, bool* accepted)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (accepted)
        *accepted = ok;
    return ok ? chosen : initial;
}

bool QtDialogs::print(QWidget* parent, QTextDocument* document)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    document->print(&printer);
    return true;
}

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const auto& s : shown)
        if (s.kind == QLatin1String("message") || s.kind == QLatin1String("error"))
            texts.append(s.text);
    return texts;
}

void ScriptedDialogs::message(QWidget*, const QString& text)
{
    shown.append({QStringLiteral("message"), text});
}

void ScriptedDialogs::error(QWidget*, const QString& text)
{
    shown.append({QStringLiteral("error"), text});
}

Answer ScriptedDialogs::confirm(QWidget*, const QString& text, Buttons buttons)
{
    shown.append({QStringLiteral("confirm"), text});
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<FileChoice> ScriptedDialogs::openFile(QWidget*, const FileDialogOptions& options)
{
    shown.append({QStringLiteral("open"), options.title});
    fileOptions.append(options);
    return files.isEmpty() ? std::nullopt : files.dequeue();
}

std::optional<FileChoice> ScriptedDialogs::saveFile(QWidget*, const FileDialogOptions& options)
{
    shown.append({QStringLiteral("save"), options.title});
    fileOptions.append(options);
    return files.isEmpty() ? std::nullopt : files.dequeue();
}

QFont ScriptedDialogs::font(QWidget*, const QFont& initial, bool* accepted)
{
    shown.append({QStringLiteral("font"), initial.family()});
    const std::optional<QFont> chosen = fonts.isEmpty() ? std::nullopt : fonts.dequeue();
    if (accepted)
        *accepted = chosen.has_value();
    return chosen.value_or(initial);
}

bool ScriptedDialogs::print(QWidget*, QTextDocument*)
{
    shown.append({QStringLiteral("print"), QString()});
    return prints.isEmpty() ? false : prints.dequeue();
}
