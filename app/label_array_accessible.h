#pragma once

class LabelArray;
class QAccessibleInterface;

// The label array for assistive technology: every shown element a label of its own, named
// by its caption and placed where it is drawn, in index order, although none of them is a
// widget.
QAccessibleInterface* accessibleLabelArray(LabelArray& labels);
