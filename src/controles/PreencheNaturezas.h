#pragma once

class QComboBox;
class TTolv;

// Fills the combo with the descriptions of the natures the declaration allows (empty ones
// skipped), each item carrying its nature code as data. With items, the combo is enabled with the
// window colour and shows the current nature (cleared when it is not among them); without items
// it is cleared, disabled and greyed (225, 225, 225).
void PreencheNaturezas(QComboBox& combo, TTolv& declaracao);
