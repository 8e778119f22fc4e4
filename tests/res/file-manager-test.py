#!/usr/bin/env python3
"""The file managers' right-click actions, as a user meets them: saved presets
appear in the menu (also ones saved after installing), a preset's entry
converts the selection and ends with a notification naming the new folder and
each failed photo, and the installed action files carry the program's media
types.

  file-manager-test.py QUILLMERE_CONVERT MADE_DIR
"""
import json, os, subprocess, sys, tempfile, types, unittest

CONVERT, MADE = sys.argv[1], sys.argv[2]


class FileManagerActions(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        root = self.tmp.name
        self.env = dict(os.environ, HOME=root, XDG_CONFIG_HOME=os.path.join(root, 'config'),
                        QUILLMERE_CONVERT=CONVERT,
                        QUILLMERE_FILE_ACTION=os.path.join(MADE, 'quillmere-file-action'))
        # A notify-send that records what it would have shown.
        bin_dir = os.path.join(root, 'bin')
        os.mkdir(bin_dir)
        self.sent = os.path.join(root, 'sent.json')
        with open(os.path.join(bin_dir, 'notify-send'), 'w') as stub:
            stub.write('#!/usr/bin/env python3\nimport json, sys\n'
                       'open(%r, "a").write(json.dumps(sys.argv[1:]) + "\\n")\n' % self.sent)
        os.chmod(os.path.join(bin_dir, 'notify-send'), 0o755)
        self.env['PATH'] = bin_dir + os.pathsep + self.env['PATH']
        self.photos = os.path.join(root, 'Trip')
        os.mkdir(self.photos)
        subprocess.run(['vips', 'black', os.path.join(self.photos, 'good.jpg'), '64', '48',
                        '--bands', '3'], check=True)
        with open(os.path.join(self.photos, 'broken.jpg'), 'wb') as broken:
            broken.write(b'\xff\xd8\xff\xe0\x00\x10JFIF\x00' + b'\x17' * 40)

    def tearDown(self):
        self.tmp.cleanup()

    def save_preset(self, name, *options):
        subprocess.run([CONVERT, '--save-preset', name, '--quiet'] + list(options),
                       env=self.env, check=True)

    def action(self, *args):
        return subprocess.run([os.path.join(MADE, 'quillmere-file-action')] + list(args),
                              env=self.env, capture_output=True, text=True)

    def test_preset_entry_converts_and_names_folder_and_failures(self):
        """In the user's language: the sentence and each photo's reason."""
        self.save_preset('Web 2048', '-f', 'png')
        for language, converted, reason in (('', '1 of 2 photos converted into ', 'broken.jpg: '),
                                            ('de', '1 von 2 Fotos konvertiert nach ', 'broken.jpg: ')):
            with self.subTest(language=language):
                if os.path.exists(self.sent):
                    os.remove(self.sent)
                self.env.update(LANGUAGE=language, LC_ALL='C.UTF-8')
                run = self.action('convert', 'Web 2048', os.path.join(self.photos, 'good.jpg'),
                                  os.path.join(self.photos, 'broken.jpg'))
                self.assertEqual(run.returncode, 1, run.stderr)
                with open(self.sent) as sent:
                    (args,) = [json.loads(line) for line in sent]
                title, body = args[-2], args[-1]
                self.assertEqual(title, 'Quillmere: Web 2048')
                self.assertIn('critical', args)
                first, failed = body.splitlines()
                self.assertTrue(first.startswith(converted), body)
                folder = first[len(converted):]
                self.assertEqual(len([n for n in os.listdir(folder) if n.endswith('.png')]), 1, folder)
                self.assertRegex(failed, '^' + reason + r'\S')
                if language:
                    self.assertNotRegex(failed, 'damaged|picture|converted', 'still English')

    def test_menu_lists_presets_saved_after_install(self):
        self.save_preset('Web 2048', '-f', 'jpg')
        labels = self.menu_labels([os.path.join(self.photos, 'good.jpg')])
        self.save_preset('Thumbs', '-f', 'webp')
        later = self.menu_labels([os.path.join(self.photos, 'good.jpg'), self.photos])
        self.assertEqual(labels, ['Convert with Quillmere…', 'Quillmere: Web 2048'])
        self.assertEqual(sorted(later), sorted(labels + ['Quillmere: Thumbs']))
        self.assertEqual(self.menu_labels([os.path.join(self.photos, 'notes.txt')]), [])
        self.env.update(LANGUAGE='de')
        self.assertEqual(self.menu_labels([self.photos])[0], 'Mit Quillmere konvertieren…')

    def menu_labels(self, paths):
        """The labels the extension gives for PATHS, through stand-ins for the
        file manager's Python bindings."""
        class Item:
            def __init__(self, **kw): self.label = kw['label']
            def connect(self, *args): pass
        class File:
            def __init__(self, path): self.path = path
            def get_location(self): return types.SimpleNamespace(get_path=lambda: self.path)
            def get_mime_type(self):
                return {'jpg': 'image/jpeg', 'txt': 'text/plain'}.get(
                    self.path.rsplit('.', 1)[-1], 'inode/directory')
        gi = types.ModuleType('gi')
        gi.repository = types.SimpleNamespace(
            GObject=types.SimpleNamespace(GObject=type('GObject', (), {})),
            Nautilus=types.SimpleNamespace(MenuProvider=type('MenuProvider', (), {}), MenuItem=Item))
        sys.modules['gi'], sys.modules['gi.repository'] = gi, gi.repository
        os.environ.update(self.env)
        with open(os.path.join(MADE, 'quillmere_nautilus.py')) as module:
            source = module.read()
        scope = {}
        exec(compile(source, 'quillmere_nautilus.py', 'exec'), scope)
        return [item.label for item in scope['QuillmereMenu']().get_file_items([File(p) for p in paths])]

    def test_action_files_list_what_the_program_reads(self):
        for name in ('quillmere.nemo_action', 'quillmere-preset.nemo_action',
                     'quillmere-servicemenu.desktop', 'quillmere_nautilus.py'):
            with self.subTest(name):
                with open(os.path.join(MADE, name)) as made:
                    text = made.read()
                self.assertNotRegex(text, r'@[A-Z_]+@')
                self.assertIn('image/x-adobe-dng;', text)
                self.assertIn('inode/directory', text)
                if not name.endswith('.py'):
                    self.assertIn('Name[de]=', text, 'the menu entry in German')


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1])
