#pragma once

#include "model/SoftpotCatalogue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class radioStorage;

// One archived value as two radio images hold it. A technician asks of every value "what did it
// read before, what does it read now, and where on the band is it"; so does a script that checks
// that Program All took.
struct ComparedValue {
    std::string item;  // "F3", "F3 K", "DAC 1", "Threshold 2"; empty for a family's one value
    int point = 0;     // the frequency point 1..7 it belongs to or is tuned at; 0 for none
    // The point's frequency in each image; nothing where that image does not use the point.
    std::optional<double> beforeMHz;
    std::optional<double> afterMHz;
    std::int32_t before = 0;
    std::int32_t after = 0;

    bool changed() const { return before != after; }
    std::int32_t difference() const { return after - before; }
};

// A softpot family of the catalogue, or the group of plan and identity values.
struct ComparedFamily {
    std::string title;
    std::optional<SoftpotFamily> family;  // nothing for the plan group
    // One value per frequency point (per part: K and M have two), drawn over frequency.
    bool perPoint = false;
    int parts = 1;
    bool supportedBefore = true;
    bool supportedAfter = true;
    std::vector<ComparedValue> values;

    bool supportChanged() const { return supportedBefore != supportedAfter; }
    bool changed() const;
    // Whether either image has the family at all; one that neither supports is left out.
    bool present() const { return supportedBefore || supportedAfter; }
    // Whether any value is not 0 in either image. A block of zeros is one the radio never filled,
    // as the old transmit power block of a radio of the second tuning procedure.
    bool holdsValues() const;
};

// The texts of the two images that are no numbers.
struct ComparedText {
    std::string what;
    std::string before;
    std::string after;
};

// Every value an archive carries for the radio, as two images hold it: the frequency plan and
// identity numbers, then each softpot family in catalogue order with the support flag the radio
// answered. Filler an archive keeps around the single VCO attenuation values is no radio value
// and is not compared.
struct ImageComparison {
    std::vector<ComparedText> identity;  // serial and model number, when they differ
    std::vector<ComparedFamily> families;
    bool sameSerial = true;

    bool equal() const;
};

ImageComparison compareImages(const radioStorage& before, const radioStorage& after);

// The label of a family in comparisons: the catalogue's title, or, for a family the report never
// shows, its softpot number.
std::string comparedFamilyTitle(const SoftpotFamilyRow& row);

// The name of one part of a point's values: the K and M pairs are the only family with two.
const char* pointPartName(int part);

// A frequency as the softpot report prints it ("450.125000").
std::string frequencyText(std::optional<double> mhz);

}  // namespace vantrel
