// The user's SVG files: one chosen on this computer goes up to the host, which opens it as a
// new document; the document in front comes down as its SVG file, guides included.

export function chooseFileToOpen(host) {
  const input = document.createElement('input');
  input.type = 'file';
  input.accept = '.svg,image/svg+xml';
  input.id = 'openFileInput';
  input.hidden = true;
  input.addEventListener('change', () => {
    const [file] = input.files;
    input.remove();
    if (file) host.upload(file);
  });
  document.body.append(input);
  input.click();
}

// The host names the file (Content-Disposition); the cookie carries the access.
export function downloadDocument() {
  const link = document.createElement('a');
  link.href = '/document.svg';
  link.download = '';
  document.body.append(link);
  link.click();
  link.remove();
}
