#include "common/message_box.h"
#include "common/message_box_record.h"

namespace {

std::vector<RecordedMessageBox>& record() {
    static std::vector<RecordedMessageBox> boxes;
    return boxes;
}

} // namespace

void showMessageBox(const char* text, const char* caption) {
    record().push_back(RecordedMessageBox{text, caption, false});
}

void showErrorMessageBox(const char* text, const char* caption) {
    record().push_back(RecordedMessageBox{text, caption, true});
}

const std::vector<RecordedMessageBox>& recordedMessageBoxes() {
    return record();
}

void clearRecordedMessageBoxes() {
    record().clear();
}
