# Long talks for the Wine session: utterances of several KiB, dense with the
# character tags whose lazy spans the rewriting has to follow (\![set,...],
# \![lock...]), with line breaks, Shift-JIS bytes and scope tags between them.
# A literal line of that length would be unreadable, so they are generated,
# always the same bytes, as @raw requests of saori-run's session syntax.
#
# zef_long_talk_session(OUT) sets OUT to the session lines (one per request).

# The pieces an utterance is made of, in plain text. Placeholders stand for
# what a session line cannot hold literally: "|" a line feed, "~" a carriage
# return, "%" a Shift-JIS character whose second byte is 0x5C (a backslash).
set(zef_head_tags
  "\\![set,alpha,50]" "\\![lock,repaint]" "\\s[12]" "\\![unlock,repaint]" "|"
  "\\![set,scaling,80,80]" "\\b[3]" "\\![reset,sticky-window]" "\\n"
  "\\![set,windowstate,minimize]" "\\i[2]" "\\![lock,balloonrepaint]" "~"
  "\\![set,zorder,0,1]" "\\s5" "%s[4]" "\\![anim,play,3]" "\\4"
  "\\![set,position,10,20]" "\\w9" "\\![move,--X=10]" "\\__w[animation,2]"
  "\\![raise,OnTalk]" "\\![set,balloonoffset,1]" "\\5" "\\![bind,a,b,1]"
  "\\![ lock,repaint]" "\\s[-3]" "\\![set,sticky-window,1]" "%" "\\![effect,x]")
# After the first \p[...] only the markers are rewritten; the rest stays.
set(zef_tail_tags
  "\\p[zef]" "\\![set,alpha,20]" "\\s[7]" "|" "\\p[ zef ]" "\\![lock,repaint]"
  "\\p[0]" "\\b[1]" "~" "\\p[zef   ]" "%s[2]" "\\p[ZEF]" "\\n")
set(zef_filler "Some words of a long talk, then more of them before the next tag. ")

# Appends to OUT pieces from TAGS (starting at index SEED) with filler of
# varying length between them until it holds at least BYTES bytes, so that
# the tags fall on every offset of any block size.
function(zef_append_pieces out tags seed bytes)
  set(text "${${out}}")
  string(LENGTH "${text}" start)
  list(LENGTH ${tags} tag_count)
  string(LENGTH "${zef_filler}" filler_size)
  set(i ${seed})
  string(LENGTH "${text}" size)
  math(EXPR goal "${start} + ${bytes}")
  while(size LESS goal)
    math(EXPR filler_bytes "(${i} * 13) % ${filler_size}")
    math(EXPR tag "${i} % ${tag_count}")
    string(SUBSTRING "${zef_filler}" 0 ${filler_bytes} filler)
    list(GET ${tags} ${tag} piece)
    string(APPEND text "${filler}${piece}")
    math(EXPR i "${i} + 1")
    string(LENGTH "${text}" size)
  endwhile()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# One utterance: a head of HEAD bytes and, unless TAIL is 0, an explicit
# scope tag followed by a tail of TAIL bytes.
function(zef_long_utterance out seed head tail)
  set(text "")
  zef_append_pieces(text zef_head_tags ${seed} ${head})
  if(tail GREATER 0)
    string(APPEND text "\\p[1]")
    zef_append_pieces(text zef_tail_tags ${seed} ${tail})
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# An @raw request "Argument0: ZEF" with the utterances given as arguments,
# written in the escapes of @raw.
function(zef_raw_talk out)
  set(line "@raw Argument0: ZEF\\r\\n")
  set(index 1)
  foreach(utterance IN LISTS ARGN)
    string(REPLACE "\\" "\\\\" utterance "${utterance}")
    string(REPLACE "|" "\\n" utterance "${utterance}")
    string(REPLACE "~" "\\r" utterance "${utterance}")
    string(REPLACE "%" "\\x95\\x5c" utterance "${utterance}")
    string(APPEND line "Argument${index}: ${utterance}\\r\\n")
    math(EXPR index "${index} + 1")
  endforeach()
  set(${out} "${line}\\r\\n" PARENT_SCOPE)
endfunction()

function(zef_long_talk_session out)
  zef_long_utterance(all_head 0 6000 0)
  zef_long_utterance(head_and_tail 7 4500 3000)
  zef_long_utterance(tail_only 3 0 5000)
  zef_long_utterance(short_head 11 300 4200)
  zef_raw_talk(first_talk "${all_head}" "${head_and_tail}" "${tail_only}")
  zef_raw_talk(second_talk "${short_head}" "${head_and_tail}" "${all_head}" "${short_head}"
               "${tail_only}" "${all_head}" "${head_and_tail}")
  zef_raw_talk(switched_off "${head_and_tail}" "${all_head}")

  set(lines
    "@load"
    "firstZEF\tOn\t3\t4\t-60\t50\t30\t2\tMS UI Gothic\t11\t100\t-5\t2147483647"
    "${first_talk}"
    "${second_talk}"
    "changeZEF\tZEF_Switch\tOff"
    "${switched_off}"
    "startZEF\ton\t20\t99\t25\t0\t40\t0\tdefault\t12\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16\t17\t18\t19\t20"
    "${first_talk}"
    "settingZEF"
    "@unload")
  list(JOIN lines "\n" text)
  set(${out} "${text}\n" PARENT_SCOPE)
endfunction()
