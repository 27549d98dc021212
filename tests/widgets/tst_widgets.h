#pragma once

#include <QObject>
#include <QWidget>
#include <memory>

class TestWidgets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void spinEditReadsItsText_data();
    void spinEditReadsItsText();
    void spinEditSetValueClampsAndSignalsRealChanges();
    void spinEditTypingSignalsEveryKeystroke();
    void spinEditStepsApplyTheRange();
    void spinEditFocusLossAppliesTheRange_data();
    void spinEditFocusLossAppliesTheRange();
    void spinEditHintFollowsShowHint();

    void advSpinEditShowsTwoDecimals_data();
    void advSpinEditShowsTwoDecimals();
    void advSpinEditReadsTheShownNumber_data();
    void advSpinEditReadsTheShownNumber();
    void advSpinEditStepsAndClampsOnFocusLoss();

    void labelSizesItselfToItsText();
    void labelOpensLinksOnLeftPress();
    void labelIsTransparent();

    void comboSelectionSignalsUserChangesOnly();
    void comboDropsItsListBelowTheBox();
    void comboBoxShowsTheMarkup();

    void gaugeAngles_data();
    void gaugeAngles();
    void gaugeValueText_data();
    void gaugeValueText();
    void gaugeBandShowsTheZones();

    void statusBarPanelsAndLinks();

    void buttonClicksByMouseAndKeyboard();
    void buttonPopUpGoDropsTheMenuOnLeftPressOnly();
    void buttonGlyphOnEitherSide();
    void buttonHotTrackingAndFocusRect();
    void buttonSchemesDiffer();

    void shapeOutlinesItsRectangle();

private:
    std::unique_ptr<QWidget> host_;
};

class TestErrorHandler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void errorInClickHandlerIsReported_data();
    void errorInClickHandlerIsReported();
    void errorInChangeHandlerKeepsTheFieldWorking();
    void realBoxShowsTheTextUntilOk();
};
