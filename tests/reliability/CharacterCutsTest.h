#pragma once

#include <QObject>

// Line breaking and pattern matching on texts that hold characters written as two
// UTF-16 units (emoji and other characters beyond the first 65 536), and pastes that
// run into a box's length limit.
class CharacterCutsTest : public QObject
{
    Q_OBJECT

private slots:
    void descriptionHardCutKeepsPairs_data();
    void descriptionHardCutKeepsPairs();
    void ownerNameLastLineKeepsPairs();
    void searchFindsWhatTheMatcherTakes_data();
    void searchFindsWhatTheMatcherTakes();
    void pasteAcrossALimitKeepsWholeCharacters_data();
    void pasteAcrossALimitKeepsWholeCharacters();
};
