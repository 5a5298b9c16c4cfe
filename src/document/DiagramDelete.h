// Deleting part of a diagram takes along what cannot stand without the deleted objects: a
// connector's partner and the pair's wires, the ladder contacts that read a deleted block, the
// wires at deleted blocks, and every reference to a deleted block; the function blocks are then
// numbered again without gaps.
#pragma once

#include <functional>
#include <vector>

class CBlockComment;
class CBlockObj;
class CObject;
class CVetlaDoc;

// Deletes the blocks, the comment boxes and the wires marked selected, with everything that
// depends on them, and marks the document modified when anything went. release is handed each
// wire, block and comment box after it left the document and before it is freed, for whoever
// still holds it. No undo snapshot.
void DeleteWithDependents(CVetlaDoc& doc, const std::vector<CBlockObj*>& blocks,
                          const std::vector<CBlockComment*>& comments, const std::function<void(CObject&)>& release);
