#!/usr/bin/env python3
"""After lupdate: gives every unfinished message the translation its source text already
has elsewhere in the same .ts file (texts move between contexts when code moves), drops
messages the code no longer has, and says how many are still untranslated.

    fill-translations.py FILE.ts [--check]

With --check nothing is written and the exit code is 1 when a message is untranslated."""
import sys
import xml.etree.ElementTree as ET


def key(message):
    source = message.find('source').text or ''
    comment = message.find('comment')
    return source, comment.text if comment is not None else None


def main():
    path = sys.argv[1]
    check = '--check' in sys.argv[2:]
    tree = ET.parse(path)
    root = tree.getroot()
    known = {}
    for message in root.iter('message'):
        translation = message.find('translation')
        if translation.get('type') in (None, 'obsolete', 'vanished') and translation.text:
            known.setdefault(key(message), translation.text)
    filled = dropped = 0
    missing = []
    for context in root.findall('context'):
        for message in context.findall('message'):
            translation = message.find('translation')
            kind = translation.get('type')
            if kind in ('obsolete', 'vanished'):
                context.remove(message)
                dropped += 1
            elif kind == 'unfinished':
                text = known.get(key(message))
                if text:
                    translation.text = text
                    del translation.attrib['type']
                    filled += 1
                else:
                    missing.append((context.findtext('name'), key(message)[0]))
        if not context.findall('message'):
            root.remove(context)
    if not check:
        tree.write(path, encoding='utf-8', xml_declaration=True)
        with open(path, encoding='utf-8') as f:
            text = f.read()
        with open(path, 'w', encoding='utf-8') as f:
            f.write(text.replace("<?xml version='1.0' encoding='utf-8'?>",
                                 '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>', 1))
        print(f'{path}: {filled} filled from other contexts, {dropped} no longer used dropped')
    for context, source in missing:
        print(f'untranslated: [{context}] {source!r}')
    print(f'{path}: {len(missing)} untranslated')
    return 1 if check and missing else 0


if __name__ == '__main__':
    sys.exit(main())
