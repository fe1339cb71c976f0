/** How each word is converted; every field optional, defaults as shown. */
export interface ConversionOptions {
  /** Match words without their accents and ñ (á = a, ñ = n). Default false. */
  ignoreDiacritics?: boolean;
  /** A capitalised word inside a sentence is taken for a name and left alone. Default true. */
  keepCapitalisedWords?: boolean;
  /** A changed word with a single candidate is followed by a bar ("haber|"). Default false. */
  barAfterChange?: boolean;
  /** A word nothing explains is offered the words one typing error away. Default true. */
  similarWordsWhenNotFound?: boolean;
  /** Words found as written still get all their spellings ("ves" -> "ves|vez"). Default false. */
  changeFoundWords?: boolean;
  /** Only the original rules, with exactly their original output. Default false. */
  classic?: boolean;
  /** Put back accents that the neighbouring words call for (más, está, él). Default true. */
  contextAccents?: boolean;
  /** Error messages in English rather than Spanish. Default false. */
  englishMessages?: boolean;
}

export type WordStatus = 'found' | 'corrected' | 'alternatives' | 'notFound';

/** A word the conversion changed or marked; offsets in UTF-16 code units. */
export interface ConvertedWord {
  offset: number;
  length: number;
  outputOffset: number;
  outputLength: number;
  status: Exclude<WordStatus, 'found'>;
  /** The spellings offered, in the order shown; none for notFound. */
  candidates: string[];
  /** With two candidates or more: a line on each, to choose between them ("" when nothing is known). */
  explanations?: string[];
  /** The accent was put back because of the neighbouring words. */
  fromContext: boolean;
}

export interface TextConversion {
  /** The text in the output notation: "haber si llano|yano ay ves". */
  text: string;
  words: ConvertedWord[];
  /** False when onProgress asked to stop: text holds what was converted so far. */
  finished: boolean;
}

export interface WordCheck {
  word: string;
  status: WordStatus;
  /** As a converted text shows it: "haber", "ves|vez", "|kasx". */
  output: string;
  candidates: string[];
  similarWords: string[];
  /** The vocabulary entry the first candidate is a form of ("ver" for "ves"). */
  entry: string;
}

export declare class Vorlen {
  private constructor();
  /** Opens the engine on a vocabulary file (path or URL, with the word ranks, explanations and context table beside it; or bytes; plain or gzip), the package's own data by default. */
  static load(options?: { vocabulary?: string | URL | ArrayBuffer | ArrayBufferView }): Promise<Vorlen>;
  static version(): Promise<string>;
  convertText(text: string, options?: ConversionOptions,
              onProgress?: (doneBytes: number, totalBytes: number) => boolean | void): TextConversion;
  convertWord(word: string, options?: ConversionOptions): WordCheck;
  /** A file's bytes converted as vorlen-cli does (UTF-8 kept, otherwise Windows-1252 both ways). */
  convertBytes(bytes: Uint8Array, options?: ConversionOptions): Uint8Array;
  readonly warnings: string[];
  close(): void;
}

export default Vorlen;
