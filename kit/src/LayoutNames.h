// The names a layout file gives to the toolkit's enumerations and flags: the loader reads
// them and the description writes them, so a description loads again. Where two names mean
// one value, the first is the one written.
#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "kit/Button.h"
#include "kit/Control.h"
#include "kit/Event.h"
#include "kit/View.h"

namespace kit::layoutNames {

template <class T>
using Name = std::pair<const char*, T>;

inline constexpr Name<TextAlignment> alignments[] = {
    {"left", TextAlignment::Left}, {"right", TextAlignment::Right}, {"center", TextAlignment::Center},
    {"justified", TextAlignment::Justified}, {"natural", TextAlignment::Natural}};

inline constexpr Name<ButtonType> buttonTypes[] = {
    {"momentaryPushIn", ButtonType::MomentaryPushIn}, {"pushOnPushOff", ButtonType::PushOnPushOff},
    {"toggle", ButtonType::Toggle}, {"switch", ButtonType::Switch}, {"checkBox", ButtonType::Switch},
    {"radio", ButtonType::Radio}};

inline constexpr Name<AutoresizingMask> autoresizingFlags[] = {
    {"flexibleLeftMargin", ViewFlexibleLeftMargin}, {"flexibleWidth", ViewFlexibleWidth},
    {"flexibleRightMargin", ViewFlexibleRightMargin}, {"flexibleBottomMargin", ViewFlexibleBottomMargin},
    {"flexibleHeight", ViewFlexibleHeight}, {"flexibleTopMargin", ViewFlexibleTopMargin}};

inline constexpr Name<ModifierFlags> modifierFlags[] = {{"shift", EventModifierFlagShift},
    {"control", EventModifierFlagControl}, {"option", EventModifierFlagOption}, {"command", EventModifierFlagCommand}};

// The value of a name, or nullptr when the table has none.
template <class T, std::size_t N>
const T* valueOf(const Name<T> (&table)[N], const std::string& name) {
  for (const Name<T>& entry : table)
    if (name == entry.first) return &entry.second;
  return nullptr;
}

template <class T, std::size_t N>
const char* nameOf(const Name<T> (&table)[N], T value) {
  for (const Name<T>& entry : table)
    if (entry.second == value) return entry.first;
  return table[0].first;
}

}  // namespace kit::layoutNames
