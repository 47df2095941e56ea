#pragma once
#include "runtime/Services.h"
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

// The Parameters dialog: position, GMT offset, military time and hints, saved to prefs.cal. It lives hidden for
// the whole run; its Memo1 is the in-memory copy of the file and its hidden numeric fields hold the parsed position.
class THome : public QDialog
{
    Q_OBJECT
public:
    // `calendar` is the main window, whose controls the hint switch goes through; `PrefsFlags` is the main window's
    // first preferences line, set by loadPreferences and updated by Save.
    THome(Services& services, const QString& prefsFolder, QWidget* calendar, QString& PrefsFlags,
          QWidget* parent = nullptr);

    // Steps of the main window's activation that load the preferences: Memo1 := the file's lines, PrefsFlags :=
    // line 1, flag 1 "1" -> CheckBox1 ticked and MilitaryTime := 1 (never cleared), flag 2 "1" -> CheckBox2 ticked
    // and ActivateHint, Edit2 := line 2, Edit1 := line 3, GMT field := line 4 as a number or 0.
    // Returns false when the file could not be read; then *message holds the text to show, or is empty when that
    // failure was already reported (it is reported again only after a successful read).
    bool loadPreferences(int& MilitaryTime, QString* message);
    QString memoLine(int n) const; // 1-based, empty past the end
    QStringList memoLines() const;
    QString prefsPath() const;

    void FormActivate();
    void ComboBox1Change();
    void CurrencyEditGMT3Enter();
    void Edit1Change();
    void CheckBox1Click();
    void CheckBox2Click();
    void ActivateHint();
    void SpeedButton54Click();

    // 1 after a change of position, GMT offset or military time since the dialog was last activated.
    int ParamsChanged = 0;

    QFrame* Panel3;
    QLabel* Label2;
    TCurrencyEdit* CurrencyEditN1;
    QLineEdit* Edit1;
    QLabel* Label1;
    TCurrencyEdit* CurrencyEditW2;
    QLineEdit* Edit2;
    QLabel* Label3;
    TCurrencyEdit* CurrencyEditGMT3;
    QLabel* Label4;
    QComboBox* ComboBox1;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QPlainTextEdit* Memo1;
    QFrame* Panel2;
    QFrame* Panel1;
    QToolButton* SpeedButton54;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    void setMemoLines(const QStringList& lines);

    Services& m_services;
    QString m_prefsFolder;
    QWidget* m_calendar;
    QString& PrefsFlags;
    bool m_openFailureReported = false;
    bool m_centred = false;
};
