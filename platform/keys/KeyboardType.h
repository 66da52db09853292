#pragma once
// The three typing-keyboard types. They differ only in the punctuation keys: which virtual-key code a
// physical place gives, and which panel a code plays.

// The enumerators' values are the codes the settings file stores and the columns of the per-type tables.
enum class KeyboardType { Jp106 = 0, Pc98 = 1, En101 = 2 };
