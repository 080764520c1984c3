#include "presets/CPresetSystemEditor.h"

CPresetSystemEditor::CPresetSystemEditor(AudioEffect* e) : AEffGUIEditor(e) {}

CPresetSystemEditor::~CPresetSystemEditor() = default;

bool CPresetSystemEditor::open(void*) { return frame != nullptr && effect != nullptr; }

void CPresetSystemEditor::close() {}

void CPresetSystemEditor::idle() { AEffGUIEditor::idle(); }

void CPresetSystemEditor::valueChanged(velda::gui::CControl*) {}
