<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>Luapan nilai</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Pembagian dengan nol</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Panggilan prosedur atau argumen tidak valid</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>Tidak ada pasangan bilangan yang sesuai aturan</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>di baris %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Silakan kirim tangkapan layar pesan ini lewat email ke %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Kesalahan tidak dikenal</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Kesalahan Aplikasi</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Gambar tidak valid</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Indeks di luar batas</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variabel objek belum diatur</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>Kamu harus memilih minimal satu operasi</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>Kamu harus memilih minimal satu tingkat</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Mulai</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Lanjut</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Soal %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>Kamu punya %n detik untuk menjawab soal ini.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>Waktu habis.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Bilah Kemajuan</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Benar sekali!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>Salah! Jawaban: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Benar!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Salah!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>Skormu %1 dari total %2 soal.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>tambah</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>kurang</translation>
    </message>
    <message>
        <source>times</source>
        <translation>kali</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>bagi</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>tanda tanya</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>Soal %1: %2 %3 %4 sama dengan</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>Skormu %1.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>bilangan pertama</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>bilangan kedua</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>skormu</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>nomor soal</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>operasinya dipilih secara acak</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>sisa detik untuk menjawab</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>penilaian</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Jawabanmu</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>Soal-soal permainan ini</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Quillory tidak dapat membuka jendelanya: beberapa berkasnya hilang atau rusak. Silakan pasang ulang Quillory.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory memerlukan desktop grafis (X11 atau Wayland) dan tidak dapat membukanya.</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>Kecilkan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>Bilangan 3 angka (Sulit)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>Bilangan 2 angka (Sedang)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>Bilangan 1 angka (Mudah)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Bagi</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Kali</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Kurang</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>Tekan Enter untuk lanjut</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>Tingkat</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operasi</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Skormu</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>Ringkasan</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Main Lagi</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>Soal hitungan</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> Jawabanmu</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Jawaban Benar</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Hasil</translation>
    </message>
</context>
</TS>
