# fish completion for parolex-cli. The option lists must match `parolex-cli COMMAND --help`;
# the packaging_options test compares them, and the manual page, with the program's own.

set -l commands generate derive convert verify

complete -c parolex-cli -f
complete -c parolex-cli -n "not __fish_seen_subcommand_from $commands" -a generate -d 随机生成密码
complete -c parolex-cli -n "not __fish_seen_subcommand_from $commands" -a derive -d 根据Key生成密码
complete -c parolex-cli -n "not __fish_seen_subcommand_from $commands" -a convert -d 把Key文件批量转换为密码文件
complete -c parolex-cli -n "not __fish_seen_subcommand_from $commands" -a verify -d 校验密码是否由Key生成
complete -c parolex-cli -n "not __fish_seen_subcommand_from $commands" -s h -l help -d 显示帮助
complete -c parolex-cli -n "not __fish_seen_subcommand_from $commands" -s V -l version -d 显示版本号
complete -c parolex-cli -n "not __fish_seen_subcommand_from $commands" -s v -d 显示版本号

# Options every command has.
complete -c parolex-cli -n "__fish_seen_subcommand_from $commands" -s q -l quiet -d 只输出密码和错误信息
complete -c parolex-cli -n "__fish_seen_subcommand_from $commands" -s h -l help -d 显示帮助

set -l generate "__fish_seen_subcommand_from generate"
complete -c parolex-cli -n $generate -s c -l count -x -d "密码个数 (0-16777216)"
complete -c parolex-cli -n $generate -s l -l length -x -d "密码位数 (1-128)"
complete -c parolex-cli -n $generate -l no-letters -d "不用小写字母 a-z"
complete -c parolex-cli -n $generate -l no-upper -d "不用大写字母 A-Z"
complete -c parolex-cli -n $generate -l no-digits -d "不用数字 0-9"
complete -c parolex-cli -n $generate -l no-underscore -d "不用下划线 _"
complete -c parolex-cli -n $generate -s y -l punctuation -d "加入 31 个 ASCII 标点符号"
complete -c parolex-cli -n $generate -l symbols -x -d "自选字符，最多 94 个"
complete -c parolex-cli -n $generate -l filter-duplicates -d 滤掉重复的密码
complete -c parolex-cli -n $generate -s o -l output -r -F -d "把密码写入文件（- 为标准输出）"
complete -c parolex-cli -n $generate -l every-class -d 每个选中的字符类至少出现一次
complete -c parolex-cli -n $generate -l no-lookalikes -d "不用容易看错的字符 0 O o 1 l I | 5 S 2 Z 8 B"
complete -c parolex-cli -n $generate -l exclude -x -d 不用这些字符
complete -c parolex-cli -n $generate -l entropy -d "把密码的强度（比特数）写到标准错误"

complete -c parolex-cli -n "__fish_seen_subcommand_from derive verify" -l key-file -r -F -d "从Key文件读取Key（- 为标准输入）"

set -l convert "__fish_seen_subcommand_from convert"
complete -c parolex-cli -n $convert -s c -l count -x -d 文件头中的密码个数
complete -c parolex-cli -n $convert -s l -l length -x -d 文件头中的密码位数
complete -c parolex-cli -n $convert -F
