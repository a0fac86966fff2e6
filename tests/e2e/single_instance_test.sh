# One Nimbrel per desktop: a second start raises the running window, hands
# over its command line and ends with code 0.

dir=$(program_folder Nimbrel.exe)
start_nimbrel "$dir"
check "first start shows the window" "$(probe caption)" "Nimbrel"
check "status bar part 0 shows the add mode" "$(probe status 0)" "通常"
check "first run makes recent and Nimbrellog" "$(ls -d "$dir"/recent "$dir"/Nimbrellog 2>/dev/null | wc -l)" "2"

# Typing reaches the text box through real key events.
click_control text
xdotool type --delay 50 'abc'
check_true "typed text arrives in the text box" wait_until 5 test "$(probe text text)" == "abc"

# A second start with a folder path while the first window is minimised.
probe minimize
check "window is minimised" "$(probe iconic)" "1"
target=$(win_path "$dir")
(cd "$dir" && timeout "$ONE_SHOT_LIMIT" wine ./Nimbrel.exe "$target" >/dev/null 2>&1); code=$?
check "second start with a path exits 0" "$code" "0"
check "second start restored the window" "$(probe iconic)" "0"
shown="$(probe text text)|$(probe text display)|$(probe caption)"
check_true "handed-over folder is shown" grep -qF "$target" <<<"$shown"

# A second start without arguments only raises.
before=$(probe text text)
(cd "$dir" && timeout "$ONE_SHOT_LIMIT" wine ./Nimbrel.exe >/dev/null 2>&1); code=$?
check "second start without arguments exits 0" "$code" "0"
check "nothing was handed over" "$(probe text text)" "$before"
check "still exactly one window" "$(probe count)" "1"

# A command line longer than 511 bytes hands over its first 511 bytes.
long=$(printf 'x%.0s' $(seq 600))
(cd "$dir" && timeout "$ONE_SHOT_LIMIT" wine ./Nimbrel.exe "$long" >/dev/null 2>&1); code=$?
check "long hand-over exits 0" "$code" "0"
check "long hand-over arrives cut to 511 bytes" "$(probe text text | tr -d '\n' | wc -c)" "511"
check "first instance still runs" "$(probe count)" "1"
end_wine
