<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>Tràn số</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Chia cho số không</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Lệnh gọi thủ tục hoặc đối số không hợp lệ</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>Không có cặp số nào phù hợp với quy tắc</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>tại dòng %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Vui lòng gửi email ảnh chụp màn hình của thông báo này đến %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Lỗi không xác định</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Lỗi ứng dụng</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Hình ảnh không hợp lệ</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Chỉ số nằm ngoài phạm vi</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Biến đối tượng chưa được gán</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>Em phải chọn ít nhất một phép tính</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>Em phải chọn ít nhất một cấp độ</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Bắt đầu</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tiếp theo</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Câu %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>Em có %n giây để trả lời câu này.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>Hết giờ.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Thanh tiến trình</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Đúng rồi!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>Sai rồi! Đáp án: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Đúng!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Sai!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>Em được %1 điểm trên tổng số %2 câu hỏi.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>cộng</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>trừ</translation>
    </message>
    <message>
        <source>times</source>
        <translation>nhân</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>chia</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>dấu chấm hỏi</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>Câu %1: %2 %3 %4 bằng</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>Em được %1 điểm.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>số thứ nhất</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>số thứ hai</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>điểm của em</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>số thứ tự câu hỏi</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>phép tính được chọn ngẫu nhiên</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>số giây còn lại để trả lời</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>kết quả</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Câu trả lời của em</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>Các bài toán của lượt chơi này</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Quillory không mở được cửa sổ: một số tệp của chương trình bị thiếu hoặc bị hỏng. Vui lòng cài đặt lại Quillory.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory cần một màn hình đồ họa (X11 hoặc Wayland) nhưng không mở được.</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>Thu nhỏ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>Số có 3 chữ số (Khó)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>Số có 2 chữ số (Vừa)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>Số có 1 chữ số (Dễ)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Chia</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Nhân</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Trừ</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Cộng</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Kết thúc</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>Nhấn phím Enter để tiếp tục</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>Cấp độ</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Phép tính</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Điểm của em</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>Tổng kết</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Chơi lại</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>STT</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>Bài toán</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> Em trả lời</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Đáp án đúng</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Kết quả</translation>
    </message>
</context>
</TS>
