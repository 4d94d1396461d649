<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>ArgumentBytes</name>
    <message>
        <source>文件名“%1”中有不是 %2 字符的字节，程序无法照原样把这个文件名交给系统，请给文件改名后重试。</source>
        <translation>The file name &apos;%1&apos; holds bytes that are no %2 characters, so the program cannot hand it to the system exactly as typed; please rename the file and try again.</translation>
    </message>
    <message>
        <source>文件名“%1”中的非 ASCII 字符是按 %2 编码输入的，程序只能按 UTF-8 把文件名交给系统，那将是另一个文件。请在 UTF-8 的区域设置下运行，或改用只含 ASCII 字符的文件名。</source>
        <translation>The non-ASCII characters of the file name &apos;%1&apos; were typed in %2, but the program can hand file names to the system only as UTF-8, which would name another file. Please run it in a UTF-8 locale, or use a file name of ASCII characters only.</translation>
    </message>
    <message>
        <source>选项 --symbols 的值“%1”中有不是 %2 字符的字节，请重新设置。</source>
        <translation>The value &apos;%1&apos; of option --symbols holds bytes that are no %2 characters; please set it again.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Morvik Parolex 的终端版，与桌面程序使用同一个引擎：同样的检查、提示、输出文件格式和根据Key生成的密码。

命令：
  generate  随机生成密码
  derive    根据Key生成密码
  convert   把Key文件批量转换为密码文件
  verify    校验密码是否由Key生成

“parolex-cli COMMAND --help”显示命令的选项。

退出状态：0 成功；1 密码与Key不符（verify）；2 选项未通过检查，或命令行有误；3 出现带错误号的错误（错误号和说明写到标准错误）。</source>
        <translation>The terminal version of Morvik Parolex, on the same engine as the desktop program: the same checks, messages, output file format and Key-derived passwords.

Commands:
  generate  random passwords
  derive    passwords derived from Keys
  convert   a Key file converted into a password file
  verify    whether a password was derived from a Key

&quot;parolex-cli COMMAND --help&quot; shows the options of a command.

Exit status: 0 success; 1 the password does not match the Key (verify); 2 options refused, or the command line not understood; 3 a failure with its number (the number and its explanation go to standard error).</translation>
    </message>
    <message>
        <source>显示版本号。</source>
        <translation>Show the version.</translation>
    </message>
    <message>
        <source>generate、derive、convert 或 verify，其后是命令的参数。</source>
        <translation>generate, derive, convert or verify, followed by the command&apos;s arguments.</translation>
    </message>
    <message>
        <source>缺少命令。</source>
        <translation>No command given.</translation>
    </message>
    <message>
        <source>未知的命令“%1”。</source>
        <translation>Unknown command &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>显示本帮助。</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>用法：%1 [选项]</source>
        <translation>Usage: %1 [options]</translation>
    </message>
    <message>
        <source>运行“%1 --help”可查看用法。</source>
        <translation>Run &apos;%1 --help&apos; for how to use it.</translation>
    </message>
    <message>
        <source>缺少参数 %1。</source>
        <translation>Missing argument %1.</translation>
    </message>
    <message>
        <source>多余的参数“%1”。</source>
        <translation>Unexpected argument &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>ErrorStream</name>
    <message>
        <source>错误号 %1</source>
        <translation>Failure number %1</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
</context>
<context>
    <name>GenerateCommand</name>
    <message>
        <source>选项 --every-class 要求每个密码都含有 %1 类字符，%2 位的密码放不下，请加大 --length 或减少字符的种类。</source>
        <translation>Option --every-class asks for %1 classes of characters in every password, which do not fit in %2 characters: raise --length or use fewer classes.</translation>
    </message>
    <message>
        <source>每个密码的强度为 %1 位熵，符合选项的密码共有 %2 个。</source>
        <translation>Each password has %1 bits of entropy; %2 passwords meet the options.</translation>
    </message>
    <message>
        <source>生成的密码个数，0 至 16777216（默认 10；0 表示什么也不做）。</source>
        <translation>How many passwords, 0 to 16777216 (default 10; 0 does nothing).</translation>
    </message>
    <message>
        <source>不用小写字母 a-z。</source>
        <translation>No lowercase letters a-z.</translation>
    </message>
    <message>
        <source>不用大写字母 A-Z。</source>
        <translation>No capitals A-Z.</translation>
    </message>
    <message>
        <source>不用数字 0-9。</source>
        <translation>No digits 0-9.</translation>
    </message>
    <message>
        <source>不用下划线 _。</source>
        <translation>No underscore _.</translation>
    </message>
    <message>
        <source>滤掉重复的密码。</source>
        <translation>Filter out repeated passwords.</translation>
    </message>
    <message>
        <source>把密码写入此文件，格式与桌面程序的输出文件相同（代码页 936，每行以 CR LF 结束）；FILE 为 - 时写到标准输出，与不给此选项相同。</source>
        <translation>Write the passwords to this file, in the desktop program&apos;s output file format (code page 936, lines ended by CR LF); FILE - is standard output, as without this option.</translation>
    </message>
    <message>
        <source>不用容易看错或输错的字符，即这 %1 个：%2。</source>
        <translation>No characters that are easily misread or mistyped, these %1: %2.</translation>
    </message>
    <message>
        <source>不用 CHARS 中的字符，自选字符中的也不用。</source>
        <translation>No characters of CHARS, also among the own symbols.</translation>
    </message>
    <message>
        <source>在标准错误上显示一个密码的强度（熵，以位计）和符合选项的密码个数。</source>
        <translation>Show on standard error the strength of one password (entropy, in bits) and how many passwords meet the options.</translation>
    </message>
    <message>
        <source>只输出密码和错误：不显示进度和完成的提示（--entropy 要求的强度照常显示）。</source>
        <translation>Only passwords and errors: no progress and no completion message (the strength --entropy asks for is still shown).</translation>
    </message>
    <message>
        <source>把Key文件批量转换为密码文件，与桌面程序的“批量输出(输入Key)到文件”相同：Key文件和输出文件都用代码页 936，输出文件的格式与桌面程序的相同。</source>
        <translation>A Key file converted into a password file, as the desktop program&apos;s batch output (Key input) to a file does: the Key file and the output file are in code page 936, and the output file has the desktop program&apos;s format.</translation>
    </message>
    <message>
        <source>文件头中的密码个数，0 至 16777216，照原样写入（默认 10；0 表示什么也不做）。</source>
        <translation>Number of passwords in the file&apos;s header, 0 to 16777216, written as given (default 10; 0 does nothing).</translation>
    </message>
    <message>
        <source>文件头中的密码位数，1 至 26，照原样写入（默认 8）。</source>
        <translation>Password length in the file&apos;s header, 1 to 26, written as given (default 8).</translation>
    </message>
    <message>
        <source>只输出错误：不显示进度和完成的提示。</source>
        <translation>Only errors: no progress and no completion message.</translation>
    </message>
    <message>
        <source>Key文件，每行一个Key；- 为标准输入。</source>
        <translation>Key file, one Key a line; - is standard input.</translation>
    </message>
    <message>
        <source>输出文件；- 为标准输出，写出的字节与文件的相同。</source>
        <translation>Output file; - is standard output, which gets the same bytes as a file.</translation>
    </message>
    <message>
        <source>随机生成密码，字符、检查和输出文件的格式都与桌面程序的“常规”模式相同。
密码写到标准输出，每行一个；给出 --output 时写入文件，标准输出为空，完成的提示写到标准错误。
-y、--every-class、--no-lookalikes、--exclude 和 --entropy 只有终端版才有，长于 26 位的密码和多于 10 个的自选字符也是。不符合 --every-class 的密码整个丢弃、重新抽取，决不挪动或替换其中的字符，所以每个密码仍是在符合选项的所有密码中随机抽取的，字符池中每一项的机会都相同。选项留下的字符少于 3 个时，与桌面程序一样拒绝生成。</source>
        <translation>Random passwords, with the characters, checks and output file format of the desktop program&apos;s normal mode.
The passwords go to standard output, one a line; with --output they go to the file, standard output stays empty and the completion message goes to standard error.
-y, --every-class, --no-lookalikes, --exclude and --entropy exist on the terminal only, and so do passwords longer than 26 characters and more than 10 own symbols. A password that misses a class of --every-class is drawn again whole; no character is ever moved or replaced, so every password is still a random draw from all the passwords that meet the options, and every entry of the pool has the same chance. Options that leave fewer than 3 characters are refused, as in the desktop program.</translation>
    </message>
    <message>
        <source>密码的位数，1 至 128（默认 8）。</source>
        <translation>Length of a password, 1 to 128 (default 8).</translation>
    </message>
    <message>
        <source>加入 ASCII 的 31 个标点符号（下划线自成一类，不在其中）：%1。默认的自选字符都在其中，所以不给 --symbols 时不再另加。</source>
        <translation>Adds the 31 ASCII punctuation characters (the underscore is a class of its own and not among them): %1. The default own symbols are all among them, so without --symbols none are added besides.</translation>
    </message>
    <message>
        <source>自选字符，最多 94 个，按输入的顺序加入（默认 +-=\/）；--symbols &quot;&quot; 不用自选字符。</source>
        <translation>Symbols of your own, at most 94, added in the order given (default +-=\/); --symbols &quot;&quot; uses none.</translation>
    </message>
    <message>
        <source>每个密码至少含有所用的每类字符中的一个：小写字母、大写字母、数字、下划线、标点符号、自选字符；某类字符被 --exclude 或 --no-lookalikes 全部排除时不算在内。</source>
        <translation>Every password holds at least one character of each class in use: lowercase letters, capitals, digits, underscore, punctuation, own symbols; a class whose characters --exclude or --no-lookalikes leave out entirely does not count.</translation>
    </message>
</context>
<context>
    <name>KeyCheckTexts</name>
    <message>
        <source>此Key由 %1 2.X版本生成。</source>
        <translation>This Key was made by %1 version 2.X.</translation>
    </message>
    <message>
        <source>此Key不是由 %1 2.X版本生成。</source>
        <translation>This Key was not made by %1 version 2.X.</translation>
    </message>
</context>
<context>
    <name>KeyCommands</name>
    <message>
        <source>按 Unix 文本行的读法：LF 结束一行，LF 前的 CR 去掉，最后一行可以没有结束符；用当前区域设置的编码解码，与命令行参数相同</source>
        <translation>read as Unix text lines: LF ends a line, a CR before it goes, the last line may lack its end; decoded in the locale&apos;s encoding, as the arguments are</translation>
    </message>
    <message>
        <source>按桌面程序读Key文件的读法：代码页 936，CR 或 CR LF 结束一行，单独的 LF 不结束一行，而是Key中的一个字符</source>
        <translation>read as the desktop program reads a Key file: code page 936, CR or CR LF ends a line, a lone LF ends none and is a character of the Key</translation>
    </message>
    <message>
        <source>根据Key生成密码，每个Key一行，与桌面程序的“根据Key生成”相同。
根据Key生成的密码只取决于Key的长度和各字符代码之和，所以许多Key生成同一个密码（abc、cba 和 bca 都生成 3002872312）；保留这种算法是为了已在使用的Key，新的密码请用 generate 生成。
Key可以是 KEY 参数；没有 KEY 参数时从标准输入逐行读取，%1；或用 --key-file 从Key文件读取，%2。
以 - 开头的Key写在 -- 之后。</source>
        <translation>Passwords derived from Keys, one a line, as the desktop program&apos;s Key mode gives them.
A derived password depends only on the Key&apos;s length and the sum of its character codes, so many Keys give the same password (abc, cba and bca all give 3002872312); the scheme is kept for the Keys already in use, and new passwords should come from generate.
The Keys are the KEY arguments; without them, the lines of standard input, %1; or with --key-file the lines of a Key file, %2.
A Key that begins with - goes after --.</translation>
    </message>
    <message>
        <source>从此Key文件读取Key，每个Key行输出一个密码；PATH 为 - 时读标准输入，仍按Key文件的读法。</source>
        <translation>Read the Keys from this Key file, one password for each Key line; PATH - reads standard input, still as a Key file.</translation>
    </message>
    <message>
        <source>只输出密码和错误（此命令本来也只输出这些）。</source>
        <translation>Only passwords and errors (all this command writes anyway).</translation>
    </message>
    <message>
        <source>Key的文本。</source>
        <translation>The text of a Key.</translation>
    </message>
    <message>
        <source>KEY 参数和 --key-file 不能同时给出。</source>
        <translation>KEY arguments and --key-file cannot be given together.</translation>
    </message>
    <message>
        <source>校验 PASSWORD 是否为Key生成的密码，与桌面程序的“校验Key”相同：相符时退出状态为 0，不符时为 1。
只给出 PASSWORD 时，Key是标准输入的第一行，%1；给出 --key-file 时，Key是该文件的第一个Key行，%2。</source>
        <translation>Whether PASSWORD is the password derived from the Key, as the desktop program&apos;s Key check says: exit status 0 when it matches, 1 when it does not.
With PASSWORD alone the Key is the first line of standard input, %1; with --key-file it is the file&apos;s first Key line, %2.</translation>
    </message>
    <message>
        <source>Key是此Key文件的第一个Key行；PATH 为 - 时读标准输入，仍按Key文件的读法。</source>
        <translation>The Key is the first Key line of this Key file; PATH - reads standard input, still as a Key file.</translation>
    </message>
    <message>
        <source>什么也不输出，只以退出状态表示是否相符（错误照常显示）。</source>
        <translation>Write nothing; only the exit status tells whether they match (errors are still shown).</translation>
    </message>
    <message>
        <source>要校验的密码，区分大小写，空格也算在内。</source>
        <translation>The password to check; case and blanks count.</translation>
    </message>
    <message>
        <source>缺少参数 PASSWORD。</source>
        <translation>Missing argument PASSWORD.</translation>
    </message>
</context>
<context>
    <name>OptionValues</name>
    <message>
        <source>不是整数</source>
        <translation>is not a whole number</translation>
    </message>
    <message>
        <source>太大</source>
        <translation>is too large</translation>
    </message>
    <message>
        <source>太小</source>
        <translation>is too small</translation>
    </message>
    <message>
        <source>选项 %1 的值“%2”%3，%4应为 %5 至 %6。</source>
        <translation>The value &apos;%2&apos; of option %1 %3: %4 must be %5 to %6.</translation>
    </message>
    <message>
        <source>密码个数</source>
        <translation>the number of passwords</translation>
    </message>
    <message>
        <source>密码位数</source>
        <translation>the length of a password</translation>
    </message>
    <message>
        <source>选项 --symbols 的值“%1”有 %2 个字符，自选字符最多为 %3 个。</source>
        <translation>The value &apos;%1&apos; of option --symbols has %2 characters; at most %3 symbols of your own are allowed.</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>已完成 %1 个密码，每秒 %2 个</source>
        <translation>%1 passwords made, %2 a second</translation>
    </message>
</context>
<context>
    <name>RunErrorTexts</name>
    <message>
        <source>内存溢出，可能是您选择的文件太大了。</source>
        <translation>Out of memory: the file you chose may be too large.</translation>
    </message>
    <message>
        <source>没有找到文件，可能是您制定了无效的文件（如无效的快捷方式等），也可能该文件已经不存在。</source>
        <translation>File not found: the file you named may be invalid (a broken shortcut, for instance), or it no longer exists.</translation>
    </message>
    <message>
        <source>程序出现输入输出错误，请重试</source>
        <translation>The program met an input or output error; please try again</translation>
    </message>
    <message>
        <source>文件的访问被拒绝，可能是该文件正在使用中。请退出包含该文件的进程并重试。</source>
        <translation>Access to the file was denied: it may be in use. Please end the process that holds it and try again.</translation>
    </message>
    <message>
        <source>文件的访问被拒绝，可能文件的属性为只读，请将文件的只读属性去掉问题方可解决；或者是文件路径错误，即文件根本不存在。</source>
        <translation>Access to the file was denied: the file may be read-only, in which case removing its read-only attribute solves the problem; or the path is wrong and the file does not exist at all.</translation>
    </message>
    <message>
        <source>无法使用简体中文代码页 936（GBK）转换文字，程序不能生成密码，也不能读写文本文件。</source>
        <translation>Text cannot be converted with the Simplified Chinese code page 936 (GBK): the program can neither generate passwords nor read or write text files.</translation>
    </message>
    <message>
        <source>程序出现内部错误。错误号为%1。请稍后重试，如果还不能解决问题，请您将此错误告诉我，不胜感激！我的联系方式请见“关于软件”</source>
        <translation>Internal error in the program. The failure number is%1. Please try again later; if that does not help, please tell me about this failure, I shall be most grateful. You will find how to reach me under &quot;About&quot;</translation>
    </message>
</context>
<context>
    <name>RunTexts</name>
    <message>
        <source>提示信息</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>您设置的密码生成数太大，一次最多只可以生成%1个密码。</source>
        <translation>You asked for too many passwords: at most%1 passwords can be generated at a time.</translation>
    </message>
    <message>
        <source>您设置的密码生成数不正确。</source>
        <translation>The number of passwords you set is not valid.</translation>
    </message>
    <message>
        <source>密码位数太长或太短，无法生成有效的密码。</source>
        <translation>The password length is too long or too short to generate valid passwords.</translation>
    </message>
    <message>
        <source>自选符号最多为10个，请重新设置。</source>
        <translation>At most 10 symbols of your own; please change them.</translation>
    </message>
    <message>
        <source>自选字符中含有无法写入文本文件的字符，请重新设置。</source>
        <translation>The symbols of your own hold characters that cannot be written to a text file; please change them.</translation>
    </message>
    <message>
        <source>自选字符中含有回车、换行等控制字符，密码无法在一行中显示或粘贴，请重新设置。</source>
        <translation>The symbols of your own hold control characters such as carriage return or line feed, so a password could not be shown or pasted on one line; please change them.</translation>
    </message>
    <message>
        <source>您选择了两个或者两个以下可以生成密码的字符，这样的密码过于简单或无法生成，请重新设置。</source>
        <translation>You chose two or fewer characters to make passwords from: such passwords are too simple or cannot be made; please change the settings.</translation>
    </message>
    <message>
        <source>使用本功能您必须将输入输出文件填写完全。</source>
        <translation>For this function you must fill in both the input and the output file.</translation>
    </message>
    <message>
        <source>输入文件和输出文件不能是同一个文件，请重新选择。</source>
        <translation>The input file and the output file cannot be the same file; please choose again.</translation>
    </message>
    <message>
        <source>密码已经被写入%1中。</source>
        <translation>The passwords have been written to %1.</translation>
    </message>
</context>
<context>
    <name>SystemFile</name>
    <message>
        <source>errno %1，%2</source>
        <translation>errno %1, %2</translation>
    </message>
    <message>
        <source>Windows 错误 %1</source>
        <translation>Windows error %1</translation>
    </message>
    <message>
        <source>Windows 错误 %1，%2</source>
        <translation>Windows error %1, %2</translation>
    </message>
</context>
<context>
    <name>TerminalFailureTexts</name>
    <message>
        <source>找不到文件所在的文件夹（或路径中有一级不是文件夹），请检查路径是否正确。</source>
        <translation>The folder of the file cannot be found (or a part of the path is not a folder); please check the path.</translation>
    </message>
    <message>
        <source>没有读到Key：输入中已经没有可读的行。</source>
        <translation>No Key was read: the input has no more lines.</translation>
    </message>
    <message>
        <source>磁盘已满（或超出了磁盘配额、文件大小的限制），没能全部写入，请腾出空间后重试。</source>
        <translation>The disk is full (or a disk quota or file size limit was reached), so not everything was written; please free some space and try again.</translation>
    </message>
    <message>
        <source>内存不足，放不下这么多密码，请减少密码的个数或位数后重试。</source>
        <translation>Not enough memory to hold that many passwords; please ask for fewer or shorter passwords and try again.</translation>
    </message>
    <message>
        <source>程序出现内部错误，错误号为 %1。请检查命令行，以及标准输入、标准输出和标准错误的重定向，然后重试；如果还不能解决问题，请把错误号和所用的命令行发给 %2，不胜感激！</source>
        <translation>Internal error in the program, failure number %1. Please check the command line and the redirections of standard input, standard output and standard error, then try again; if that does not help, please send the failure number and the command line you used to %2. I shall be most grateful.</translation>
    </message>
</context>
</TS>
