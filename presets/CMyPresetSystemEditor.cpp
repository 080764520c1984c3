#include "presets/CMyPresetSystemEditor.h"

CMyPresetSystemEditor::CMyPresetSystemEditor(AudioEffect* e) : CPresetSystemEditor(e) {}

CMyPresetSystemEditor::~CMyPresetSystemEditor() = default;
