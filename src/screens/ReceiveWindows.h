#pragma once

#include "screens/TTuningScreen.h"

#include <vector>

namespace vantrel {

// The front end filter screen: seven receive rows, and on radios with an RSSI DAC its reading.
class TFrontEndFilterWindow : public TTuningScreen {
public:
    TFrontEndFilterWindow(std::unique_ptr<TuningSession> session, MessageInteraction& ui);

protected:
    void refresh() override;

private:
    QLineEdit* rssiDac_ = nullptr;
};

// The RSSI thresholds: per threshold its level and softpot value, and its Update button.
class TRSSIWindow : public TTuningScreen {
public:
    TRSSIWindow(std::unique_ptr<TuningSession> session, MessageInteraction& ui);

protected:
    void refresh() override;

private:
    struct Row {
        QLineEdit* level;
        QLineEdit* softpot;
    };
    std::vector<Row> rows_;
};

ScreenLayout frontEndFilterLayout();
ScreenLayout ratedVolumeLayout();
ScreenLayout rssiLayout();

}  // namespace vantrel
