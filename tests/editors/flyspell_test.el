;;; flyspell_test.el --- flyspell and ispell over Vorlen, in batch mode.
;; Run with: emacs --batch -Q -l flyspell_test.el
;; $VORLEN_ISPELL_PROGRAM is the checker Emacs starts: vorlen-cli itself, or
;; enchant-2 with the Vorlen provider (then $VORLEN_ISPELL_DICTIONARY is "es").
;; Exits 0 when every check holds, else 1 with the reasons.

(require 'ispell)
(require 'flyspell)

(setq ispell-program-name (getenv "VORLEN_ISPELL_PROGRAM"))
;; Spanish letters, in UTF-8 (as the README tells users to set it up); over
;; Enchant, Emacs finds the "es" dictionary itself.
(unless (string-match-p "enchant" ispell-program-name)
  (setq ispell-local-dictionary-alist
        '(("es" "[[:alpha:]]" "[^[:alpha:]]" "" nil ("-d" "es") nil utf-8))))
(setq ispell-dictionary "es")
(setq ispell-silently-savep t)

(defvar vorlen-failures nil)
(defun vorlen-expect (what expected actual)
  (unless (equal expected actual)
    (push (format "%s: expected %S, got %S" what expected actual) vorlen-failures)))

(defun vorlen-flagged-words ()
  "The words flyspell marked, with their positions, in buffer order."
  (let (words)
    (dolist (o (overlays-in (point-min) (point-max)))
      (when (overlay-get o 'flyspell-overlay)
        (push (list (buffer-substring-no-properties (overlay-start o) (overlay-end o))
                    (overlay-start o))
              words)))
    (sort words (lambda (a b) (< (cadr a) (cadr b))))))

(with-temp-buffer
  (insert "aber si yano ay ves kasa ñandu\n")
  (text-mode)
  (flyspell-mode 1)
  (flyspell-buffer)
  ;; Found words (si, ay, ves) stay clear; ñandu is flagged after a
  ;; non-ASCII letter-free run, so its position checks the character offsets.
  (vorlen-expect "flagged words"
                 '(("aber" 1) ("yano" 9) ("kasa" 21) ("ñandu" 26))
                 (vorlen-flagged-words))
  (goto-char 3)
  (flyspell-auto-correct-word)
  (vorlen-expect "auto-corrected line"
                 "haber si yano ay ves kasa ñandu\n" (buffer-string))
  ;; After an accented letter the offsets still land on the word.
  (erase-buffer)
  (insert "ñandú kasa\n")
  (flyspell-buffer)
  (vorlen-expect "after an accented word" '(("kasa" 7)) (vorlen-flagged-words))
  (flyspell-mode -1))

(ispell-kill-ispell t)
(if vorlen-failures
    (progn (dolist (f (reverse vorlen-failures)) (message "FAIL %s" f))
           (kill-emacs 1))
  (message "flyspell over %s: all checks passed" ispell-program-name)
  (kill-emacs 0))
