#pragma once

#include "batch/Columns.h"
#include "batch/Record.h"
#include "batch/RecordBuffer.h"

#include <string>

// Appends the value of one column, as plain bytes with nothing escaped.
void AppendColumnValue(Column column, const Record& record, RecordBuffer& out);

// Appends the seven lines the window shows for the record: CR LF between them, none after.
void AppendWindowText(const Record& record, RecordBuffer& out);
