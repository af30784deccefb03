#pragma once

#include <QString>

class ArquivoBinario;
class ArquivoTexto;
class QFile;

// Text files (Windows-1252 on disk). When an opening fails the user is asked, in the message box,
// whether to try again: "Sim" retries, anything else gives up. The result is true whenever the
// file ends up open, also after retries.

// Creates the missing folders of the path, then opens the file for writing, empty. What is
// written replaces the old file when the file is closed (ArquivoTexto::fecha).
bool CriaArquivoTexto(ArquivoTexto& arquivo, const QString& nome);
bool AbreArquivoLeitura(ArquivoTexto& arquivo, const QString& nome);
// As AbreArquivoLeitura, for a file read as bytes.
bool AbreArquivoBytes(QFile& arquivo, const QString& nome);
// As AbreArquivoLeitura, with the import's wording of the question.
bool AbreArquivoImportacao(ArquivoTexto& arquivo, const QString& nome);
// A file of records of that size; modo as ArquivoBinario::Modo (0 read, 1 write, 2 both).
bool AbreArquivoBinario(ArquivoBinario& arquivo, const QString& nome, int tamanhoRegistro, int modo);

// One line; false on a failure, without a message. At the end it reads an empty line.
bool LeLinha(ArquivoTexto& arquivo, QString& linha);
// One line and a line break; false on a failure, without a message.
bool GravaLinha(ArquivoTexto& arquivo, const QString& linha);
// Whether the file is at its end. When that cannot be told (the file is not open for reading)
// it shows "Erro de acesso ao arquivo", sets falhou and answers true.
bool FimArquivo(ArquivoTexto& arquivo, bool& falhou);

// Whether the folder exists (never prompts for a missing medium).
bool ExisteDiretorio(const QString& caminho);
// Whether the drive with that root is a diskette drive.
bool UnidadeDisquete(const QString& unidade);
