#pragma once
#include "prefs/Preferences.h"
#include "runtime/BoxGate.h"
#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;
class TCurrencyEdit;

// The Parameters dialog: edits the preferences value (position, GMT offset, military time, hints) and saves it to
// prefs.cal through the store. It lives hidden for the whole run; its Memo1 mirrors the value's lines.
class THome : public QDialog
{
    Q_OBJECT
public:
    THome(Services& services, BoxGate& gate, PrefsStore& store, QWidget* parent = nullptr);

    // Shows a value just read: flag 1 ticks CheckBox1, flag 2 ticks CheckBox2 and switches hints on (reading never
    // unticks), Edit2 := longitude, Edit1 := latitude, GMT field := offset, Memo1 := the lines.
    void showPreferences(const Preferences& value);
    QString memoLine(int n) const; // 1-based, empty past the end
    QStringList memoLines() const;

    void FormActivate();
    void ComboBox1Change();
    void CurrencyEditGMT3Enter();
    void Edit1Change();
    void CheckBox1Click();
    void CheckBox2Click();
    void ActivateHint();
    void SpeedButton54Click();
    // The "Time zone" list: a known id chosen or typed becomes the zone, the empty entry clears it.
    void ComboBoxZoneChange();

    // The zone Save writes: the one read, or the last one chosen in the dialog.
    QString zone() const { return m_zone; }

    // A change of position, GMT offset or military time since the dialog was last activated.
    bool paramsChanged() const { return ParamsChanged; }

signals:
    // The Hints box was switched, by the user or by reading the preferences.
    void hintsSwitched(bool on);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;

private:
    // The controls, named as the layout names them (their objectName too).
    struct Form
    {
        QFrame* Panel3 = nullptr;
        QLabel* Label2 = nullptr;
        TCurrencyEdit* CurrencyEditN1 = nullptr;
        QLineEdit* Edit1 = nullptr;
        QLabel* Label1 = nullptr;
        TCurrencyEdit* CurrencyEditW2 = nullptr;
        QLineEdit* Edit2 = nullptr;
        QLabel* Label3 = nullptr;
        TCurrencyEdit* CurrencyEditGMT3 = nullptr;
        QLabel* Label4 = nullptr;
        QComboBox* ComboBox1 = nullptr;
        QCheckBox* CheckBox1 = nullptr;
        QCheckBox* CheckBox2 = nullptr;
        QPlainTextEdit* Memo1 = nullptr;
        QFrame* Panel2 = nullptr;
        QFrame* Panel1 = nullptr;
        QToolButton* SpeedButton54 = nullptr;
        // The time-zone row, below the Save button so that every other control keeps its place.
        QFrame* PanelZone = nullptr;
        QLabel* LabelZone = nullptr;
        QComboBox* ComboBoxZone = nullptr;
    };

    void createControls();
    void createSaveButton();
    void createZoneRow();
    // The Tab order, and each control's name and description for a screen reader.
    void createKeys();
    QList<QWidget*> tabOrder() const;
    // Shows the file as it is now when the dialog opens.
    void rereadPreferences();
    void chooseZone(const QString& zoneId);
    void showZone(const QString& zoneId);
    // Fills the zone list once, keeping the zone shown.
    void listZones();
    void connectHandlers();
    void setMemoLines(const QStringList& lines);

    Form ui;
    Services& m_services;
    BoxGate& m_gate;
    PrefsStore& m_store;
    bool ParamsChanged = false;
    QString m_zone;
    // The value the fields were last filled from, as they hold it: Save tells the user's changes by it.
    Preferences m_shown;
    bool m_centred = false;
    bool m_activatedSinceShown = false;
    bool m_listsFitted = false;
};
