// Where a diagram's blocks, comment boxes and wires lie, taken when a move starts: the move
// changed the diagram exactly when the places differ at its end, and a refused move is put back
// exactly by them, wire routes and junction dots included (laying the routes anew from the
// pins would not give the same routes back).
#pragma once

#include "platform/core/Geometry.h"

#include <vector>

class CVetlaDoc;

struct WirePlace {
    CPoint ptStart;
    CPoint ptEnd;
    std::vector<CPoint> vertices;
    std::vector<CPoint> junctions;

    bool operator==(const WirePlace&) const = default;
};

// The lists in the document's order.
struct DiagramPlaces {
    std::vector<CPoint> blocks;
    std::vector<CPoint> comments;
    std::vector<WirePlace> wires;

    bool operator==(const DiagramPlaces&) const = default;
};

DiagramPlaces PlacesOf(const CVetlaDoc& doc);
// Each of the document's lists that is as long as it was when the places were taken goes back
// to them; a list that changed since is left alone.
void PutBack(CVetlaDoc& doc, const DiagramPlaces& places);
