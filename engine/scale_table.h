// The scale file and the scale weights: reading the scale list, applying a
// scale in a key, and keeping the twelve sliders and the weights in step.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine_state.h"
#include "settings.h"

namespace volemo {

struct ScaleTable {
  std::vector<std::string> names;
  std::vector<std::string> definitions;  // parallel to names
};

// Splits the file's text into lines (CR LF, lone CR, lone LF; a zero byte
// ends the text) and the lines into name/definition records. A name on the
// last line gets an empty definition.
ScaleTable ParseScaleTable(std::string_view fileText);

// The first entry named "Major" in any letter case, or -1.
int DefaultScaleIndex(const ScaleTable& table);

// The twelve weights of a definition line, tonic first: hex digits, those
// above A counting as A (the sliders' maximum); any other byte, and both
// bytes of a double-byte character, count 0.
ScaleWeights DefinitionWeights(std::string_view definition);

// Text and caption in UTF-8.
using WarningFn = std::function<void(const std::string& text, const std::string& caption)>;

// Reads the scale file at path into state (names and definitions) and
// returns the entry to select, or -1. A missing file calls warn with the
// missing-file text, naming the file as shownName (the window's users know
// it as Scale.dat; a path given on the command line is named as given), and
// leaves the list empty. A file without scales or without "Major" calls
// warn with what it lacks, naming the path. What cannot be read, or is not
// a regular file of at most 4 MiB, throws EngineError with the cannot-open
// text, the path and the reason; nothing is read from a FIFO or a device.
int LoadScaleTable(EngineState& state, const std::string& path, const WarningFn& warn,
                   std::string_view shownName = "Scale.dat");

// Recomputes the weights from the selected scale (cmbScale) in the selected
// key (cmbKey) and shows them on the sliders. Throws EngineError with the
// list-index text when no scale is selected, changing nothing.
void ApplyScale(Settings& settings, EngineState& state);

// SetPosition of src0..src11 to the twelve weights, in that order.
void ShowWeightsOnSliders(Settings& settings, const EngineState& state);

// The change handler of the twelve scale sliders: weight tag <- position.
void ScaleSliderChanged(EngineState& state, int tag, int position);

}  // namespace volemo
