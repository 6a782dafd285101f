<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Error report</name>
    <message>
        <source>Overflow</source>
        <translation>Taşma</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Sıfıra bölme</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Geçersiz yordam çağrısı veya bağımsız değişken</translation>
    </message>
    <message>
        <source>No pair of numbers fits the rules</source>
        <translation>Kurallara uyan sayı çifti yok</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>%1. satırda</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Lütfen bu mesajın ekran görüntüsünü %1 adresine e-postayla gönderin</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Bilinmeyen hata</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Uygulama Hatası</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Geçersiz resim</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Dizin sınırların dışında</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Nesne değişkeni ayarlanmamış</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You must select at least one operator</source>
        <translation>En az bir işlem seçmelisin</translation>
    </message>
    <message>
        <source>You must select at least one game level</source>
        <translation>En az bir seviye seçmelisin</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başla</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Sonraki</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Soru %1</translation>
    </message>
    <message numerus="yes">
        <source>You have %n seconds to answer this question.</source>
        <translation>
            <numerusform>Bu soruyu cevaplamak için %n saniyen var.</numerusform>
        </translation>
    </message>
    <message>
        <source>Time is over.</source>
        <translation>Süre doldu.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>İlerleme Çubuğu</translation>
    </message>
    <message>
        <source>That&apos;s correct!</source>
        <translation>Doğru cevap!</translation>
    </message>
    <message>
        <source>Wrong! Answer: %1</source>
        <translation>Yanlış! Cevap: %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Doğru!</translation>
    </message>
    <message>
        <source>Wrong!</source>
        <translation>Yanlış!</translation>
    </message>
    <message>
        <source>Your score is %1 in %2 total questions.</source>
        <translation>Toplam %2 sorudan puanın: %1.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>artı</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>eksi</translation>
    </message>
    <message>
        <source>times</source>
        <translation>çarpı</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>bölü</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>question mark</source>
        <translation>soru işareti</translation>
    </message>
    <message>
        <source>Question %1: %2 %3 %4 equals</source>
        <translation>Soru %1: %2 %3 %4 eşittir</translation>
    </message>
    <message>
        <source>Your score is %1.</source>
        <translation>Puanın %1.</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>birinci sayı</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>ikinci sayı</translation>
    </message>
    <message>
        <source>your score</source>
        <translation>puanın</translation>
    </message>
    <message>
        <source>question number</source>
        <translation>soru numarası</translation>
    </message>
    <message>
        <source>the operator is chosen at random</source>
        <translation>işlem rastgele seçilir</translation>
    </message>
    <message>
        <source>seconds left to answer</source>
        <translation>cevap için kalan saniye</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>sonuç</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Cevabın</translation>
    </message>
    <message>
        <source>Problems of this game</source>
        <translation>Bu oyunun soruları</translation>
    </message>
</context>
<context>
    <name>Start-up</name>
    <message>
        <source>Quillory could not open its window: some of its files are missing or damaged. Please install Quillory again.</source>
        <translation>Quillory penceresini açamadı: bazı dosyaları eksik veya bozuk. Lütfen Quillory&apos;yi yeniden yükleyin.</translation>
    </message>
    <message>
        <source>Quillory needs a graphical desktop (X11 or Wayland) and could not open one.</source>
        <translation>Quillory grafik bir masaüstüne (X11 veya Wayland) ihtiyaç duyuyor ve bunu açamadı.</translation>
    </message>
</context>
<context>
    <name>Title strip</name>
    <message>
        <source>Minimize</source>
        <translation>Küçült</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>windows::Form1</name>
    <message>
        <source>Display 3 digit numbers (Hard)</source>
        <translation>3 basamaklı sayılar (Zor)</translation>
    </message>
    <message>
        <source>Display 2 digit numbers (Medium)</source>
        <translation>2 basamaklı sayılar (Orta)</translation>
    </message>
    <message>
        <source>Display 1 digit numbers (Easy)</source>
        <translation>1 basamaklı sayılar (Kolay)</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Bölme</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Çarpma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Çıkarma</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Toplama</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Oyunu Bitir</translation>
    </message>
    <message>
        <source>Press Enter key to continue</source>
        <translation>Devam etmek için Enter&apos;a bas</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>Seviye</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>İşlem</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Puanın</translation>
    </message>
</context>
<context>
    <name>windows::Form2</name>
    <message>
        <source>Summary</source>
        <translation>Özet</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Tekrar Oyna</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Math problems</source>
        <translation>Sorular</translation>
    </message>
    <message>
        <source> Your Answer</source>
        <translation> Senin Cevabın</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Doğru Cevap</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
</context>
</TS>
