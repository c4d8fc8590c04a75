#pragma once

#include <QFont>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;
class QTextDocument;

// The buttons of a confirmation box and the answers it gives.
enum class Buttons { YesNo, YesNoCancel, OkCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogOptions
{
    QString title;
    // Filter in the "description|pattern;pattern|description|pattern" form, e.g. "RTF|*.rtf|Text|*.txt".
    QString filter;
    QString initialDir;
    QString fileName;
    QString defaultSuffix;
    // Offer the "Open as read-only" tick.
    bool showReadOnly = false;
};

struct FileChoice
{
    QString path;
    bool readOnly = false;
};

// Message boxes and the common dialogs. Windows never call Qt's dialog statics directly: they go through this
// service so that tests can script the answers.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    virtual void message(QWidget* parent, const QString& text) = 0;
    // The box that reports an error raised inside a handler.
    virtual void error(QWidget* parent, const QString& text) = 0;
    virtual Answer confirm(QWidget* parent, const QString& text, Buttons buttons) = 0;
    virtual std::optional<FileChoice> openFile(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual std::optional<FileChoice> saveFile(QWidget* parent, const FileDialogOptions& options) = 0;
    // The chosen font; on Cancel the initial font. accepted (when given) tells which.
    virtual QFont font(QWidget* parent, const QFont& initial, bool* accepted = nullptr) = 0;
    // Prints the document after the print dialog; false when the user cancelled.
    virtual bool print(QWidget* parent, QTextDocument* document) = 0;
};

// Converts a "description|patterns|..." filter into Qt's "description (patterns);;..." form.
QString qtFileFilter(const QString& filter);

class QtDialogs : public Dialogs
{
public:
    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    Answer confirm(QWidget* parent, const QString& text, Buttons buttons) override;
    std::optional<FileChoice> openFile(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<FileChoice> saveFile(QWidget* parent, const FileDialogOptions& options) override;
    QFont font(QWidget* parent, const QFont& initial, bool* accepted = nullptr) override;
    bool print(QWidget* parent, QTextDocument* document) override;
};

// A test double: records every box and answers from queues. With an empty queue, a confirmation answers
// Cancel (No for Yes/No), a file dialog and a font dialog are cancelled, printing is cancelled.
class ScriptedDialogs : public Dialogs
{
public:
    struct Shown
    {
        QString kind; // "message", "error", "confirm", "open", "save", "font", "print"
        QString text;
    };

    QList<Shown> shown;
    QQueue<Answer> answers;
    QQueue<std::optional<FileChoice>> files;
    QQueue<std::optional<QFont>> fonts;
    QQueue<bool> prints;
    QList<FileDialogOptions> fileOptions;

    // Texts of the message and error boxes shown so far, in order.
    QStringList messages() const;
    void clear() { shown.clear(); }

    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    Answer confirm(QWidget* parent, const QString& text, Buttons buttons) override;
    std::optional<FileChoice> openFile(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<FileChoice> saveFile(QWidget* parent, const FileDialogOptions& options) override;
    QFont font(QWidget* parent, const QFont& initial, bool* accepted = nullptr) override;
    bool print(QWidget* parent, QTextDocument* document) override;
};
