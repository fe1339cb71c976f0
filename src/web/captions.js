// The page's words in Spanish and English, as the window has them. Keys name
// what each caption is for; `data-caption="key"` in the page picks them up.
export const captions = {
  es: {
    title: 'Vorlenta de Deletreo',
    subtitle: 'Ajusta el deletreo del español escrito de oído.',
    options: 'Opciones de conversión:',
    ignoreDiacritics: 'No importan acentos, tildes, y cremas.',
    english: 'English captions. Capciones en inglés.',
    keepCapitalisedWords: 'No cambie una palabra con mayúscula salvo al principio de la frase.',
    barAfterChange: 'Ponga barra | tras palabra cambiada si la lista es de una palabra.',
    similarWordsWhenNotFound: 'Si no se encuentra, cambie una palabra a una lista de palabra parecidas.',
    immediate: 'Modo inmediato',
    changeFoundWords: 'Cambie una palabra a una lista de palabras parecidas, p. ej.: ves|vez.',
    keepFoundWords: 'No cambie una palabra si una forma se encontró en el vocabulario.',
    contextAccents: 'Ponga los acentos que piden las palabras vecinas (más, está, él).',
    classic: 'Sólo las reglas originales.',
    input: 'Texto original:',
    output: 'Texto convertido:',
    convert: 'Convertir',
    clear: 'Borrar',
    nextBar: 'Buscar próxima barra |',
    undo: 'Deshacer',
    open: 'Abrir .txt',
    download: 'Descargar resultado',
    instructions: 'Instructivo',
    instructionsText:
      'Escriba texto, o cópielo y métalo en la caja «Texto original», o abra un archivo .txt. ' +
      'Haga clic en «Convertir». El texto convertido aparece en la caja «Texto convertido»; ' +
      'si aparecen palabras alternativas (ves|vez), haga clic en la palabra preferida o ' +
      'elíjala con Tab y Entrar. Si una palabra no se encuentra en el vocabulario, se pone una ' +
      'barra | antes de la palabra; haga clic en ella para quitar la barra. «Buscar próxima ' +
      'barra |» lleva a la próxima elección. En modo inmediato cada palabra se convierte al ' +
      'escribir el espacio o signo que la sigue.',
    choicesFor: 'Elija entre',
    notFoundMark: 'no se encontró: haga clic para quitar la barra',
    barMark: 'barra tras palabra cambiada: haga clic para quitarla',
    corrected: 'cambiada de',
    noBarLeft: 'No quedan barras.',
    converting: 'Convirtiendo…',
    loadingVocabulary: 'Cargando el vocabulario…',
    ready: 'Listo.',
    done: 'Convertido.',
    chose: 'Elegida',
    undone: 'Deshecho.',
    nothingToUndo: 'Nada que deshacer.',
    opened: 'Abierto',
    notText: 'El archivo no es de texto.',
    offline: 'Funciona sin conexión: el texto no sale de este aparato.',
    explanation: 'Explicación',
  },
  en: {
    title: 'Spanish Spelling Vorlenter',
    subtitle: 'Adjusts the spelling of Spanish written by ear.',
    options: 'Conversion options:',
    ignoreDiacritics: 'Ignore diacritics (accent marks, etc.).',
    english: 'Capciones en inglés. English captions.',
    keepCapitalisedWords: "Don't change capitalized words except at the start of the sentence.",
    barAfterChange: 'Put a bar | after a changed word if the list has only one word.',
    similarWordsWhenNotFound: 'If not found, change it to a list of similar words.',
    immediate: 'Immediate mode',
    changeFoundWords: 'Change a word to a list of similar words, e.g. ves|vez.',
    keepFoundWords: "Don't change words found in vocabulary or by changing inflection.",
    contextAccents: 'Put back the accents the neighbouring words call for (más, está, él).',
    classic: 'Only the original rules.',
    input: 'Original text:',
    output: 'Converted text:',
    convert: 'Convert',
    clear: 'Clear',
    nextBar: 'Find next bar |',
    undo: 'Undo',
    open: 'Open .txt',
    download: 'Download result',
    instructions: 'Instructions',
    instructionsText:
      'Type text, or paste it in the box that says "Original text", or open a .txt file. ' +
      'Click "Convert". The converted text appears in the box that says "Converted text"; ' +
      'if alternative words are shown (ves|vez), click the preferred word or reach it with Tab ' +
      'and press Enter. If a word is not in the vocabulary, a bar | is put before it; click it ' +
      'to take the bar away. "Find next bar |" moves to the next choice. In immediate mode each ' +
      'word is converted when the space or sign after it is typed.',
    choicesFor: 'Choose between',
    notFoundMark: 'not found: click to take the bar away',
    barMark: 'bar after a changed word: click to take it away',
    corrected: 'changed from',
    noBarLeft: 'No bars left.',
    converting: 'Converting…',
    loadingVocabulary: 'Loading the vocabulary…',
    ready: 'Ready.',
    done: 'Converted.',
    chose: 'Chosen',
    undone: 'Undone.',
    nothingToUndo: 'Nothing to undo.',
    opened: 'Opened',
    notText: 'The file is not text.',
    offline: 'Works offline: the text never leaves this device.',
    explanation: 'Explanation',
  },
};
