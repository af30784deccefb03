#include "entrega/TfoGravacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

#include "entrega/ArquivoDeclaracao.h"
#include "entrega/BlocosArquivo.h"
#include "entrega/ContextoGravacao.h"
#include "entrega/ErroGravacao.h"
#include "entrega/IDestinoBytes.h"
#include "entrega/LinhaRegistro.h"
#include "entrega/RotinasGravacao.h"
#include "entrega/SaidaDeclaracao.h"
#include "entrega/TCompositorRegistros.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/NumeroRecibo.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/integridade/EnvelopeTolv.h"
#include "plataforma/integridade/ErroIntegridade.h"
#include "plataforma/integridade/Integridade.h"
#include "plataforma/sistema/Cp1252.h"

namespace {

// A file under a temporary name beside its target, removed unless it took the target's place.
class Provisorio {
 public:
  explicit Provisorio(const QString& alvo) : m_alvo(alvo) {
    const QFileInfo info(alvo);
    m_arquivo.setFileTemplate(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
  }
  ~Provisorio() {
    m_arquivo.close();
    // Nothing half-written is left behind; a temporary name that cannot be removed is all the
    // harm a failure here can do.
    if (m_criado && !m_colocado && !QFile::remove(m_arquivo.fileName()))
      qWarning("Arquivo temporário não removido: %s", qPrintable(m_arquivo.fileName()));
  }
  bool Cria() {
    m_arquivo.setAutoRemove(false);
    m_criado = m_arquivo.open();
    return m_criado;
  }
  QFileDevice& Arquivo() { return m_arquivo; }
  QString Caminho() const { return m_arquivo.fileName(); }
  bool Criado() const { return m_criado; }
  bool Fecha() {
    m_arquivo.close();
    return m_arquivo.error() == QFileDevice::NoError;
  }
  // One rename over the target: the old file stays whole until the new one replaces it.
  bool Coloca() {
    m_arquivo.close();
    if (std::rename(QFile::encodeName(Caminho()).constData(), QFile::encodeName(m_alvo).constData()) != 0) return false;
    m_colocado = true;
    return true;
  }
  // Fills the file with a copy of another one.
  bool CopiaDe(const QString& origem) {
    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly)) return false;
    QByteArray bloco;
    while (!(bloco = entrada.read(1 << 20)).isEmpty())
      if (m_arquivo.write(bloco) != bloco.size()) return false;
    return entrada.error() == QFileDevice::NoError && m_arquivo.flush();
  }

 private:
  QString m_alvo;
  QTemporaryFile m_arquivo;
  bool m_criado = false;
  bool m_colocado = false;
};

QByteArray SimNao(bool sim) { return sim ? QByteArrayLiteral("S") : QByteArrayLiteral("N"); }

// A fixed-width piece of the reserved area: blanks on the right, cut to the width.
QByteArray Fixo(const QString& texto, int largura) {
  return Cp1252::codifica(texto).leftJustified(largura, ' ', true);
}

}  // namespace

TfoGravacao::TfoGravacao(const QString& bancoDeclaracao) : m_banco(bancoDeclaracao) {}

TfoGravacao::~TfoGravacao() { Desconecta(); }

void TfoGravacao::Conecta() {
  if (m_transacao) return;
  m_conexao = std::make_unique<bd::Conexao>(m_banco);
  m_conexao->conecta();
  // One snapshot for the whole file: every block sees the same declaration.
  m_transacao = std::make_unique<bd::Transacao>(
      *m_conexao, QStringList{QStringLiteral("concurrency"), QStringLiteral("nowait"), QStringLiteral("read")});
}

void TfoGravacao::Desconecta() noexcept {
  try {
    m_transacao.reset();
    if (m_conexao) m_conexao->desconecta();
  } catch (const bd::ErroBanco& e) {
    // The writing only read; a failed detach loses nothing and the next writing connects anew.
    qWarning("Falha ao desconectar o gravador: %s", e.what());
  }
  m_conexao.reset();
}

int64_t TfoGravacao::ContaItens() {
  Conecta();
  int64_t total = 0;
  for (const char* sql : {"select count(tolv_item_dk) as qtde from tolv_itens", "select count(trem_id) as qtde from tb_remessa",
                          "select count(TPD_ID) as qtde from tb_ps_dependente",
                          "select count(RRA_ITEM_ID) as qtde from rra_item"}) {
    bd::Consulta q(*m_transacao, QString::fromLatin1(sql));
    q.abre();
    total += q.campo(QStringLiteral("qtde")).inteiro64();
  }
  return total;
}

void TfoGravacao::DefineMaximoProgresso(int64_t maximo) {
  m_maximo = maximo;
  m_intervalo = maximo / 100 + 1;
}

bool TfoGravacao::Cancelado() {
  if (!m_cancelada && m_ganchos.Cancelado && m_ganchos.Cancelado()) m_cancelada = true;
  return m_cancelada;
}

void TfoGravacao::Avanca() {
  ++m_posicao;
  // The window repaints at most every 100 ms, however fast the items go.
  if (!m_ganchos.Progresso || m_relogio.elapsed() < kPausaProgressoMs) return;
  m_relogio.restart();
  m_ganchos.Progresso(m_posicao, m_maximo);
}

void TfoGravacao::LeIndicadores() {
  bd::Consulta q(*m_transacao, QStringLiteral("SELECT IN_ADM_FC, IN_ADVOGADO, IN_PLANOSAUDE, COALESCE(IN_REMESSA, 'N') "
                                              "FROM TOLVS"));
  q.abre();
  m_estado.Indicadores = q.eof() ? IndicadoresSecoes{}
                                 : IndicadoresSecoes::DasColunas(q.campo(1).inteiro(), q.campo(2).inteiro(),
                                                                 q.campo(3).inteiro(), q.campo(4).texto());
}

void TfoGravacao::Falha(const QString& classe, const QString& mensagem, bool esperado) {
  m_falha = true;
  m_mensagemFalha = esperado ? mensagem
                             : QStringLiteral("Exception class name = ") + classe + QStringLiteral("\nException message = ") +
                                   mensagem +
                                   QStringLiteral("\n\nEntre em contato com o Brenvald \ne informe a mensagem acima.");
}

int TfoGravacao::GravaDeclaracao(QString& nomeArquivo, bool copiaTexto) {
  m_falha = false;
  m_cancelada = false;
  m_mensagemFalha.clear();
  m_posicao = 0;
  m_relogio.start();
  nomeArquivo = ArquivoDeclaracao::TrocaExtensao(nomeArquivo, QStringLiteral("DEC"));
  m_nomeArquivo = nomeArquivo;

  if (QFileInfo::exists(nomeArquivo)) {
    const QString pergunta = QStringLiteral("Esta declaração já foi gravada, deseja sobrescrevê-la?");
    const bool sobrescreve = m_ganchos.ConfirmaSobrescrita
                                 ? m_ganchos.ConfirmaSobrescrita(pergunta)
                                 : ExibeMensagem(pergunta, TipoMensagem::Confirmacao) == ResultadoMensagem::Sim;
    if (!sobrescreve) return kCancelada;
  }

  Provisorio declaracao(nomeArquivo);
  if (!declaracao.Cria()) return kNaoCriou;
  const QString nomeTexto = ArquivoDeclaracao::TrocaExtensao(nomeArquivo, QStringLiteral("TXT"));
  Provisorio texto(nomeTexto);

  int resultado = kSemErro;
  try {
    Conecta();
    m_estado.ZeraContadores();
    std::unique_ptr<IDestinoBytes> destino = m_ganchos.Destino ? m_ganchos.Destino(declaracao.Arquivo())
                                                               : std::make_unique<DestinoArquivo>(declaracao.Arquivo());
    SaidaDeclaracao saida(*destino);
    TCompositorRegistros compositor(saida, m_estado);
    ContextoGravacao contexto(saida, compositor, m_estado, *m_transacao, [this] { return Cancelado(); },
                              [this] { Avanca(); });
    // Every section is held against its indicator before the first record: a refusal costs no
    // writing.
    const auto blocos = BlocosDoArquivo();
    LeIndicadores();
    for (const auto& bloco : blocos) bloco->Confere(contexto);
    if (!Cancelado()) GeraCabecalho(contexto);
    if (!Cancelado()) GeraRespo(contexto);
    for (const auto& bloco : blocos)
      if (!Cancelado()) bloco->Gera(contexto);
    if (!Cancelado()) {
      FinalizaProcesso(contexto);
      if (!declaracao.Fecha())
        throw ErroGravacao(QStringLiteral("EInOutError"),
                           QStringLiteral("Não foi possível gravar o arquivo da declaração: %1")
                               .arg(declaracao.Arquivo().errorString()));
      // The text copy holds the records alone; a copy that fails is not reported.
      if (copiaTexto && (!texto.Cria() || !texto.CopiaDe(declaracao.Caminho()) || !texto.Fecha()))
        qWarning("Cópia em texto não gravada: %s", qPrintable(nomeTexto));
      MontaEnvelope(declaracao.Caminho());
      if (!declaracao.Coloca()) {
        resultado = kNaoCriou;
      } else if (copiaTexto && texto.Criado() && !texto.Coloca()) {
        qWarning("Cópia em texto não gravada: %s", qPrintable(nomeTexto));
      }
    }
    if (m_ganchos.Progresso) m_ganchos.Progresso(m_maximo, m_maximo);
  } catch (const ErroGravacao& e) {
    Falha(e.classe(), e.mensagem(), e.esperado());
  } catch (const bd::ErroBanco& e) {
    Falha(QStringLiteral("ErroBanco"), e.mensagem(), false);
  } catch (const ErroIntegridade& e) {
    Falha(QStringLiteral("ErroIntegridade"), e.mensagem(), false);
  } catch (const std::exception& e) {
    Falha(QStringLiteral("std::exception"), QString::fromUtf8(e.what()), false);
  }
  Desconecta();
  if (m_falha) return kSemErro;
  if (m_cancelada) return kCancelada;
  return resultado;
}

void TfoGravacao::GeraCabecalho(ContextoGravacao& contexto) {
  EstadoGravacao& e = m_estado;
  e.ReciboArmazenado = e.NumeroRecibo.left(10);
  e.TipoDeclaracao = e.TipoDeclaracao == u"O" ? QStringLiteral("N") : QStringLiteral("S");
  LinhaRegistro r;
  r.Inicia("TOLV");
  r.Ascii(QByteArray::number(e.AnoReferencia));
  r.Ascii(QByteArray::number(e.AnoCalendario));
  r.Ascii(e.TipoDeclaracao.toLatin1());
  if (e.TipoDeclaracao == u"S") {
    e.NumeroRecibo = e.ReciboArmazenado + TNumeroRecibo::CalculaDVRecibo(e.ReciboArmazenado);
    r.Texto("Número_do_recibo", e.NumeroRecibo);
  } else {
    r.Vazio();
  }
  r.Ascii("F8UCL6S");
  contexto.Saida().Grava(r.Bytes());
}

void TfoGravacao::GeraRespo(ContextoGravacao& contexto) {
  bd::Consulta q(contexto.Transacao(),
                 QStringLiteral("SELECT RESP_PF, NM_RESP, ED_DDD, ED_TELEFONE, ED_RAMAL, ED_FAX, ED_EMAIL, NR_PF_PJ, "
                                "NM_NM_EMPR, IN_REMESSA, TIPO_EVENTO, IN_ENCERRA, IN_SERVICONOTARIAL, IN_PLANOSAUDE, "
                                "DATA_EVENTO, IN_NATUREZADECLAR, RESP_NO_CNPJ, IN_OSTENSIVO, IN_ADVOGADO, IN_ADM_FC, "
                                "IN_COPA FROM TOLVS"));
  q.abre();
  if (q.eof())
    throw ErroGravacao(QStringLiteral("ErroBanco"), QStringLiteral("O banco da declaração não tem o registro do declarante."));
  auto texto = [&q](const char* coluna) { return q.campo(QString::fromLatin1(coluna)).texto(); };
  auto numero = [&q](const char* coluna) { return q.campo(QString::fromLatin1(coluna)).inteiro64(); };

  EstadoGravacao& e = m_estado;
  e.NomeDeclarante = texto("NM_NM_EMPR");
  e.NiDeclarante = texto("NR_PF_PJ");
  e.Natureza = texto("IN_NATUREZADECLAR");
  e.DataEvento = q.campo(QStringLiteral("DATA_EVENTO")).data();
  e.TipoEvento = int(numero("TIPO_EVENTO"));
  e.Encerra = texto("IN_ENCERRA");
  // Read with the header, so that the envelope has them whatever the annex blocks write.
  e.InAdmFc = numero("IN_ADM_FC") == 1;
  e.InCopa = numero("IN_COPA") == 1;
  const bool pessoa = e.PessoaFisica();
  e.CpfResponsavel = pessoa ? texto("RESP_PF") : texto("RESP_NO_CNPJ");

  // The contact data as stored, each in its own field even when empty, upper-cased with the line.
  LinhaRegistro r;
  r.Inicia("RESPO");
  r.Texto("CPF", GeraCPF(texto("RESP_PF")));
  r.Texto("Nome", NormalizaTextoArquivo(texto("NM_RESP"), true));
  r.Texto("DDD", texto("ED_DDD"));
  r.Texto("Telefone", texto("ED_TELEFONE"));
  r.Texto("Ramal", texto("ED_RAMAL"));
  r.Texto("Fax", texto("ED_FAX"));
  r.Texto("E-mail", texto("ED_EMAIL"));
  r.Maiusculas();
  contexto.Saida().Grava(r.Bytes());

  const bool especial = e.Encerra == u"1";
  const QByteArray data = DataVazia(e.DataEvento) ? QByteArray() : e.DataEvento.toString(QStringLiteral("yyyyMMdd")).toLatin1();
  if (pessoa) {
    r.Inicia("DECPF");
    r.Texto("CPF", GeraCPF(e.NiDeclarante));
    r.Texto("Nome", NormalizaTextoArquivo(e.NomeDeclarante, true));
    r.Texto("Indicador_de_declarante_de_rendimentos_pagos_a_não_residentes_ou_domiciliados_no_exterior",
            texto("IN_REMESSA"));
    r.Ascii(SimNao(texto("IN_SERVICONOTARIAL") != u"0"));
    r.Ascii(SimNao(texto("IN_PLANOSAUDE") != u"0"));
    r.Ascii(SimNao(especial));
    r.Ascii(especial ? data : QByteArray());
    r.Ascii(especial ? QByteArray::number(e.TipoEvento) : QByteArray());
  } else {
    r.Inicia("DECPJ");
    r.Texto("CNPJ", GeraCNPJ(e.NiDeclarante));
    r.Texto("Nome_Empresarial", NormalizaTextoArquivo(e.NomeDeclarante, false));
    r.Texto("Natureza_do_Declarante", NormalizaTextoArquivo(e.Natureza, false));
    r.Texto("CPF_responsável_perante_o_CNPJ", GeraCPF(NormalizaTextoArquivo(e.CpfResponsavel, false)));
    r.Texto("Indicador_de_sócio_ostensivo_responsável_por_sociedade_de_conta_participação", texto("IN_OSTENSIVO"));
    r.Ascii(SimNao(numero("IN_ADVOGADO") != 0));
    r.Ascii(SimNao(numero("IN_ADM_FC") != 0));
    r.Texto("Indicador_de_declarante_de_rendimentos_pagos_a_não_residentes_ou_domiciliados_no_exterior",
            texto("IN_REMESSA"));
    r.Ascii(SimNao(numero("IN_PLANOSAUDE") != 0));
    r.Ascii(SimNao(numero("IN_COPA") != 0));
    r.Ascii(SimNao(!e.Encerra.isEmpty() && e.Encerra != u"0"));
    r.Ascii(data);
  }
  contexto.Saida().Grava(r.Bytes());
}

void TfoGravacao::FinalizaProcesso(ContextoGravacao& contexto) {
  contexto.Saida().Grava(QByteArrayLiteral("FIMTOLV|"));
  contexto.Saida().Descarrega();
}

QByteArray TfoGravacao::AreaReservada() {
  const EstadoGravacao& e = m_estado;
  QByteArray a;
  a.reserve(250);
  a += '0';
  // The same CPF the responsible person's record carries: a base that lost its leading zeros
  // would otherwise lose its check digits and shift every position after it.
  a += Fixo(GeraCPF(e.CpfResponsavel.trimmed()), 11);
  a += e.InAdmFc ? '1' : '0';
  a += Fixo(e.Natureza, 1);
  a += Fixo(e.ReciboArmazenado, 10);
  a += '1';
  a += e.Encerra == u"1" ? '2' : '1';
  const int64_t imposto = e.TotalIrrf + e.TotalRemessaIrrf + e.TotalIrrfSuspenso + e.TotalRraIrrf;
  a += QByteArray::number(qlonglong(imposto)).rightJustified(15, '0', true);
  a += DataVazia(e.DataEvento) ? QByteArray(8, ' ') : e.DataEvento.toString(QStringLiteral("ddMMyyyy")).toLatin1();
  a += e.TipoEvento > 0 ? Fixo(QString::number(e.TipoEvento), 1) : QByteArrayLiteral("0");

  QByteArray fundos;
  if (e.InAdmFc) {
    bd::Consulta q(*m_transacao, QStringLiteral("select first 15 nr_pf_pj from fontes where fonte_dk > 1 and in_tipo = 0 "
                                                "order by nr_pf_pj"));
    for (q.abre(); !q.eof(); q.proximo()) fundos += Fixo(q.campo(1).texto().left(8), 8);
  }
  a += fundos.leftJustified(120, ' ', true);

  QByteArray operadoras;
  bd::Consulta q(*m_transacao, QStringLiteral("select first 5 tb_ps_operadora.tpo_nr_pf_pj from tb_ps_operadora "
                                              "order by tpo_nr_pf_pj"));
  for (q.abre(); !q.eof(); q.proximo()) operadoras += Fixo(q.campo(1).texto().left(12), 12);
  a += operadoras.leftJustified(60, ' ', true);

  a += e.InCopa ? '1' : '0';
  a += "  ";
  a += QByteArray::number(e.AnoReferencia);
  a += QByteArray::number(e.QtdBeneficiariosPF + e.QtdBeneficiariosPJ).rightJustified(9, '0', true);
  a += "    ";
  return a;
}

void TfoGravacao::MontaEnvelope(const QString& caminho) {
  // Any refusal of the envelope is a failed writing: a file without its envelope is never
  // offered as written.
  auto verifica = [](int codigo) {
    if (codigo == EnvelopeTolv::kOk) return;
    QString texto = EnvelopeTolv::MensagemErro(codigo);
    if (texto.isEmpty()) texto = QStringLiteral("código %1").arg(codigo);
    throw ErroGravacao(QStringLiteral("EEnvelope"),
                       QStringLiteral("O envelope de transmissão da declaração não pôde ser gravado: %1.").arg(texto), true);
  };
  const EstadoGravacao& e = m_estado;
  EnvelopeTolv envelope;
  verifica(envelope.Abrir(1, caminho));
  verifica(envelope.Limpar());
  verifica(envelope.SetValor(QStringLiteral("retificadora"), e.TipoDeclaracao == u"S" ? QStringLiteral("1") : QStringLiteral("0")));
  verifica(envelope.SetValor(QStringLiteral("sistema"), QStringLiteral("TOLV")));
  verifica(envelope.SetValor(QStringLiteral("formulario"), QStringLiteral("2480")));
  verifica(envelope.SetValor(QStringLiteral("exercicio_zuq"), QString::number(e.AnoReferencia)));
  verifica(envelope.SetValor(QStringLiteral("exercicio_arquivo"), QString::number(e.AnoCalendario)));
  verifica(envelope.SetValor(QStringLiteral("versao_zuq"), QStringLiteral("140")));
  verifica(envelope.SetValor(QStringLiteral("certificavel"), QStringLiteral("1")));
  verifica(envelope.SetValor(QStringLiteral("uf"), e.Uf));
  verifica(envelope.SetValor(QStringLiteral("competencia_periodo"), QStringLiteral("0")));
  verifica(envelope.SetValor(QStringLiteral("competencia_ano"), QStringLiteral("0")));
  verifica(envelope.SetValor(QStringLiteral("nome"), e.NomeDeclarante));
  const bool pessoa = e.PessoaFisica();
  verifica(envelope.SetValor(QStringLiteral("ni_tipo"), pessoa ? QStringLiteral("cpf") : QStringLiteral("cnpj")));
  verifica(envelope.SetValor(QStringLiteral("nome_label"), pessoa ? QStringLiteral("Nome") : QStringLiteral("Nome Empresarial")));
  verifica(envelope.SetValor(QStringLiteral("ni"), e.NiDeclarante + (pessoa ? TCpf::CalculaDVCpf(e.NiDeclarante)
                                                                            : TCnpj::CalculaDVCnpj(e.NiDeclarante))));
  verifica(envelope.SetValorB64(QStringLiteral("area_reservada"), AreaReservada()));
  // Digest and control value in one reading of the records, before the envelope is appended.
  const DigestosArquivo digestos = CalculaDigestosArquivo(caminho);
  verifica(envelope.SetValorB64(QStringLiteral("hash_arquivo"), digestos.md5));
  verifica(envelope.SetValor(QStringLiteral("controle_bvd"), TextoCrc(digestos.crc)));
  verifica(envelope.SalvarEnvelope());
}
