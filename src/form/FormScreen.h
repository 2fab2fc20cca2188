#pragma once

#include <QFrame>
#include <QStringList>

#include <functional>
#include <span>
#include <vector>

class Clock;
namespace FormFields {
struct Field;
}
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;

// The form screen "Panel3D1": every box of one FAA Form 337, laid out item by item
// like the paper form, with the entry aids that need no data (unit-kind layouts,
// date fillers, upper-casing of the unit model). Loading, showing and saving records
// drive the controls from outside through the public members below; read and write
// any text box with controlText()/setControlText() from "ui/ControlText.h".
//
// The back page (description of work Text18 under the title box Combo13) lies over
// the whole form area while it is shown; see setBackPageShown().
class FormScreen : public QFrame
{
    Q_OBJECT
public:
    explicit FormScreen(QWidget *parent = nullptr);

    // Item 1 "Aircraft"
    QComboBox *Combo1[3] = {};  // 0 registration mark, 1 make, 2 model; editable
    QLineEdit *Text1[2] = {};   // 0 serial no., 1 series

    // Item 2 "Owner": element 0 (the owner's name or names) is a MultiLineBox,
    // elements 1 to 3 (address, city & state, zip & country) are QLineEdits.
    QWidget *Text2[4] = {};

    // Item 4 "Type"
    QRadioButton *Option1[2] = {};  // 0 "Repair", 1 "Alteration"

    // Item 5 "Unit"
    QListWidget *List1 = nullptr;  // "Airframe", "Powerplant", "Propeller", "Appliance"
    QLineEdit *Text4[2] = {};      // 0 make (an appliance's type), 1 appliance manufacturer
    QLabel *Label10 = nullptr;     // caption of Text4(1), "Manufacturer"
    QLineEdit *Text5 = nullptr;    // model; a CapitalsLineEdit
    QLineEdit *Text6 = nullptr;    // serial no.

    // Item 6 "Conformity Statement"
    QLineEdit *Text7[5]
        = {};  // 0 name, 1 address, 2 city & state, 3 zip & country, 4 certificate no.
    QRadioButton *Option2[5] = {};  // kind of agency
    QCheckBox *Check2 = nullptr;    // extended range fuel
    QComboBox *Combo3 = nullptr;    // signer of item 6; editable
    QLineEdit *Text16 = nullptr;    // date of item 6

    // Item 7 "Approval for Return to Service"
    QRadioButton *Option5[2] = {};        // 0 "Approved", 1 "Rejected"
    QRadioButton *Option6[7] = {};        // "BY"
    QLineEdit *Text3 = nullptr;           // "Other (Specify)"
    QLineEdit *Text13 = nullptr;          // certificate or designation no.
    QComboBox *Combo5 = nullptr;          // signer of item 7; editable
    QLineEdit *Text17 = nullptr;          // date of item 7
    QLineEdit *txtFaaSentDate = nullptr;  // the FAA's copy: date sent
    QLineEdit *txtFaaTracking = nullptr;  // the FAA's copy: tracking text

    // Item 8 (back page): hidden until setBackPageShown(true)
    QComboBox *Combo13 = nullptr;  // narrative title; editable
    QPlainTextEdit *Text18
        = nullptr;  // description of work (a MultiLineBox: typing and pasting stop at its stored length)

    // The text box of a row of the form's field table.
    QWidget *box(const FormFields::Field &field) const;

    // Today's date for the date fillers; the system clock unless set. The clock must
    // outlive the screen; nullptr goes back to the system clock.
    void setClock(const Clock *clock);

    // Where Combo5_Click finds the approval number for a list position of Combo5;
    // a position without entry gives an empty number. The list must outlive the screen.
    void setApprovalNumbers(std::function<QString(int)> numberAt);
    void setApprovalNumbers(const QStringList *numbers);

    // Shows the back page (title box across the top, description box filling the rest,
    // front boxes hidden) or the front page again.
    void setBackPageShown(bool shown);
    bool isBackPageShown() const;

    // Exclusive option-button groups (Option1, Option2, Option5, Option6): selected
    // index, -1 for none; select one (an index outside the group selects nothing and
    // returns false); clear every button of the group.
    static int selectedIndex(std::span<QRadioButton *const> group);
    static bool selectOption(std::span<QRadioButton *const> group, int index);
    static void clearOptions(std::span<QRadioButton *const> group);

public slots:
    // The unit kind selected in List1 rearranges item 5. Runs on every change of
    // List1's current row, by the user or by code; a row of -1 does nothing.
    void List1_Click();

    // A text of Combo1(index) was edited by the user.
    void Combo1_Change(int index);

    // Signer picked for item 6: dates item 6.
    void Combo3_Click();
    // Signer picked for item 7: the signer's approval number, then the date of item 7.
    void Combo5_Click();
    void Text16_DblClick();
    void Text17_DblClick();

signals:
    // Combo1(0) holds text after the user edited one of the Combo1 boxes.
    void registrationMarkTyped();
    // An entry was picked from the list of Combo1(index).
    void Combo1_Click(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QGroupBox *buildAircraft();
    QGroupBox *buildOwner();
    QGroupBox *buildType();
    QGroupBox *buildUnit();
    QGroupBox *buildConformity();
    QGroupBox *buildApproval();
    void buildBackPage();
    void setTabOrderItemByItem();
    void nameForAssistiveTools(QWidget *box, const QString &label);
    void connectEntryAids();

    void applyUnitKind();
    void layoutBackPage();
    QString today() const;

    QWidget *m_front = nullptr;           // all boxes of the front page
    std::vector<QWidget *> m_fieldBoxes;  // by row of FormFields::all()
    const Clock *m_clock = nullptr;
    std::function<QString(int)> m_approvalNumberAt;
    bool m_inList1Click = false;
    bool m_list1ChangedMeanwhile = false;
};
