// The drawing of a converted ladder: every block in a column by how far it is from the outputs
// it feeds, and a wire for every fed input. The pin tables decide what feeds what; the layout
// and the wires only show it.
#pragma once

class CVetlaDoc;

// The distance between columns and between rows of the layout.
constexpr int CONVERTED_COLUMN_WIDTH = 75;
constexpr int CONVERTED_ROW_HEIGHT = 55;

// Lays the document's blocks out: the outputs, flags and the blocks that feed nothing, by
// number, each at the start of a row in the rightmost column; the source at a block's first
// fed input in the same row one column to the left, every further source on a new row; a block
// already placed stays where it is. Pages are added until the document holds the layout.
void LayOutConvertedDiagram(CVetlaDoc& doc);

// Adds a wire from the output of each source to every input that names it, from pin centre to
// pin centre, across at mid-way.
void WireFromPinSources(CVetlaDoc& doc);
