#pragma once

class CZYLDoc;
class QWidget;

// The names command: runs the modal names dialog on the document and
// applies the accepted names. Placeholder until the dialog lands.
void OnNames(CZYLDoc& doc, QWidget* parent);
