#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

#include "entrega/TArquivoTolv.h"
#include "nucleo/Valor.h"
#include "validador/LeiauteAnterior.h"

class TColecaoTolv;
class TTolv;
class TTolvItem;

namespace compressao {
class BibliotecaCompressao;
}

// What the previous-years wizard works on, without its widgets: the file to read (a written
// declaration of an earlier year, decompressed first, or a text file of the older layout), the
// declarant record read from it and applied to the wizard's working declaration, and the
// hand-over to the import of the older layout, whose counters the summary shows.
class ImportacaoAnosAnteriores {
 public:
  // What the declarant record gave (TImporta).
  struct Importa {
    QString ano;
    uint8_t inAdvogado = 0;
    uint8_t inAdmFC = 0;
    int natureza = -1;
    bool existia = false;
  };

  // What reading the declarant record asks of the page (state 4).
  struct Declarante {
    LeituraAnterior leitura;
    // The file's year lies outside 2003 to 2010: message 295 with the year, as a notice.
    bool anoForaDoLeiaute = false;
    // The file's name refused for a new declaration: the message's code (0: accepted).
    int mensagemNome = 0;
    bool existe = false;
    // A person, or no nature allowed: the nature and the fund-administrator question are locked.
    bool travaNatureza = false;
    bool depositario = false;
    QString textoAlteracao;
  };

  static const QStringList& ExtensoesDeclaracao();  // ".RFO" ... ".DEC"
  // Not empty and without "*".
  static bool NomeDefinido(const QString& nome);
  // A backup archive (".cmp"), which this wizard refuses.
  static bool CopiaSeguranca(const QString& nome);
  static bool ArquivoDeclaracao(const QString& nome);
  // Opens as text (asking whether to try again) and gives a first line.
  static bool PodeLer(const QString& nome);
  // The text of page 4 above the declarant's data; `maiuscula` writes "Declarante".
  static QString TextoAlteracao(bool existe, bool registroLido, bool maiuscula);

  // A beneficiary line that is stored already and comes again: the sum line takes, for the 13
  // months, the stored plus the imported taxable income, deductions and tax withheld, the same of
  // the suspended part with its judicial deposits, and both compensations.
  static void SomaLinhas(TTolvItem& base, TTolvItem& importado, TTolvItem& soma);
  // What the conflict panel shows of a line: income, deductions, tax; compensation of the year and
  // of earlier years; suspended income, deductions, tax and deposits (months 1 to 13).
  static std::array<Valor, 9> TotaisConflito(TTolvItem& linha);

  // The working declaration and the index are not owned and outlive this.
  ImportacaoAnosAnteriores(TTolv& declaracao, TColecaoTolv& colecao);

  // Leaving page 2: the file, its kind and the kind of old file.
  void DefineArquivo(const QString& nome);
  const QString& Arquivo() const { return m_arquivo; }
  uint8_t TipoArquivo() const { return m_tipoArquivo; }
  uint8_t TipoArquivoAntigo() const { return m_tipoArquivoAntigo; }

  // Page 3: the outside library decompresses the declaration into DADOS/declar.txt, which becomes
  // the file to read. 1 done, 2 cancelled, anything else failed (also without the library).
  int Descomprime(const std::function<void(int)>& progresso);
  // Asks a decompression under way to stop.
  void CancelaDescompressao();
  int ResultadoDescompressao() const { return m_resultadoDescompressao; }

  // Page 4: reads the declarant record into the working declaration.
  Declarante LeDeclarante();
  bool OutroEstabelecimento() const { return m_outroEstabelecimento; }
  void LimpaOutroEstabelecimento() { m_outroEstabelecimento = false; }
  bool RegistroLido() const { return m_registroLido; }
  int NaturezaArquivo() const { return m_naturezaArquivo; }
  const QString& Texto4() const { return m_texto4; }
  const Importa& GetImporta() const { return m_importa; }

  // Page 6: hands the file to the older layout's import; its message code (0: none).
  int ImportaDeclaracao(const std::function<void(int, int)>& progresso, PedidoImportacaoAnterior::Decide decide = {});
  const ContadoresImportacaoAnterior& Contadores() const { return m_contadores; }
  int Codigo() const { return m_codigo; }

  // The stop flag of Cancelar, read by the import.
  void Para() { m_parar = true; }
  bool Parado() const { return m_parar; }
  void SetNomeLog(const QString& nome) { m_nomeLog = nome; }
  const QString& NomeLog() const { return m_nomeLog; }

 private:
  TTolv* m_declaracao;
  TColecaoTolv* m_colecao;
  QString m_arquivo;
  uint8_t m_tipoArquivo = 0;
  uint8_t m_tipoArquivoAntigo = 0;
  int m_resultadoDescompressao = 0;
  int m_codigo = 0;
  ContadoresImportacaoAnterior m_contadores;
  Importa m_importa;
  QString m_nomeLog;
  QString m_texto4 = QStringLiteral("    ");
  int m_naturezaArquivo = -1;
  bool m_outroEstabelecimento = false;
  bool m_registroLido = false;
  bool m_parar = false;
  // The library of a decompression under way, for Cancelar.
  compressao::BibliotecaCompressao* m_biblioteca = nullptr;
};
