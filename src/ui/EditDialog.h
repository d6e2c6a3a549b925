#pragma once

#include <QDialog>
#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QPair>

#include <memory>

namespace Ui {
class EditDialog;
}
class Card;
class Field;
class QLayout;
class QLineEdit;
class QToolButton;

// Edits the title, icon, field values and notes of one card. The dialog owns the card until it
// closes: accepted, the edited card goes to the receiver of editingDone; otherwise it is released.
class EditDialog : public QDialog
{
    Q_OBJECT

public:
    // A new card starts at its title, ready to be named; a card edited at its first empty field.
    enum Purpose { Edit, Add };

    EditDialog(Card *card, QWidget *parent = nullptr, Purpose purpose = Edit);
    ~EditDialog() override;

    // The keys of the editor beyond Tab and Enter, named for the Keyboard Shortcuts dialog.
    static QList<QPair<QString, QKeySequence>> keys();

signals:
    // The receiver owns the card.
    void editingDone(Card *card);
    // A generated password the user copied.
    void copyRequested(const QString &value, const QString &what);

public slots:
    void done(int r) override;
    // Escape, Cancel and closing the window ask before changes are thrown away.
    void reject() override;
    void toggleEchoMode(bool off);
    void iconSelected(int iconid);

private slots:
    void on_iconButton_clicked();

private:
    QLineEdit *addFieldRow(const Field &field);
    // A password field gets a button for the generator and a strength meter below it.
    void addPasswordTools(QLineEdit *editor, QLayout *rowLayout, int indent);
    void addSeparatorLine();
    void applyEdits();
    bool hasChanges() const;
    // Tab runs through every control in reading order; Ctrl+Tab types a tab in the notes.
    void setUpKeyboard(Purpose purpose);
    bool eventFilter(QObject *watched, QEvent *event) override;

    const std::unique_ptr<Ui::EditDialog> m_ui;
    std::unique_ptr<Card> m_card;
    const int m_originalIconId;
    QList<QLineEdit *> m_editors;
    // The controls of the field rows in reading order.
    QList<QWidget *> m_rowControls;
    QHash<QToolButton *, QLineEdit *> m_echoButtons;
};
