// The block factory: turns a block type code into a new, unplaced block of the class its row of
// the block-type table names, for a document. CVetlaView::CreateBlockObject is a thin member on
// top of it that passes the view's document and message-text slots.
#pragma once

class CBlockObj;
class IBlockDocument;

// A new block for nType, sized 25 x 40 with 4 inputs and 25 x 36 otherwise, neither numbered
// nor placed. A code without a class of its own (601, 811, 900, 901, the power rail 951 and
// every code without a row) gives a plain CBlockObj with 4 inputs. For a message text (810),
// pTextSlots (16 flags, 0 free, 1 taken) gives the lowest free slot, which is marked taken and stored in the
// block; with every slot taken, or no flags given, the block keeps slot -1. The block takes
// what it needs of pDoc (InitForDocument) but is not added to it; pDoc may be null.
CBlockObj* CreateBlockForType(int nType, int* pTextSlots, IBlockDocument* pDoc);

// Registers every serializable class of the block library for creation by name, so that
// files, the clipboard and undo snapshots can name them even when nothing else refers to a
// class's object file. The application and the model's tests call it before loading.
void RegisterBlockClasses();
