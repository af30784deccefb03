#include "interface/IndicePrincipal.h"

#include <QFile>
#include <QStringList>

#include "nucleo/ArquivosDeclaracao.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/CursorEspera.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/sistema/Pastas.h"

namespace {

constexpr int kUmIncompativel = 297;
constexpr int kVariosIncompativeis = 298;

bool Pergunta(const QString& texto) { return ExibeMensagem(texto, TipoMensagem::Confirmacao) == ResultadoMensagem::Sim; }

QString Caminho(const QString& arquivo) { return Pastas::dados() + u'/' + arquivo; }

// Deletes the files, telling the user of any that stays.
void ExcluiArquivos(const QStringList& arquivos) {
  for (const QString& arquivo : arquivos)
    if (!ArquivosDeclaracao::Exclui(Caminho(arquivo)))
      ExibeMensagem(QStringLiteral("Não foi possível excluir o arquivo ") + arquivo + u'.', TipoMensagem::Aviso);
}

}  // namespace

IndicePrincipal::IndicePrincipal() = default;

IndicePrincipal::~IndicePrincipal() = default;

void IndicePrincipal::Conecta(PassosPrincipal& passos) {
  passos.falhaBanco = [] { return FalhaBanco; };
  passos.defineFalhaBanco = [](bool falha) { FalhaBanco = falha; };
  passos.falhaBancoIndice = [] { return FalhaBancoIndice; };
  passos.defineFalhaBancoIndice = [](bool falha) { FalhaBancoIndice = falha; };
  passos.abreIndice = [this] { GetColecaoTolv(); };
  passos.colecaoTolv = [this]() -> TColecaoTolv& { return GetColecaoTolv(); };
  passos.indiceVazio = [this] { return IndiceVazio(); };
  passos.atualizaIndice = [this] { AtualizaIndice(); };
  passos.verificaExistenciaBancos = [this](QWidget* dono) { VerificaExistenciaBancos(dono); };
  passos.fecharColecoes = [this] { FecharColecoes(); };
}

TColecaoTolv& IndicePrincipal::GetColecaoTolv() {
  if (!m_colecao) m_colecao = std::make_unique<TColecaoTolv>();
  return *m_colecao;
}

bool IndicePrincipal::IndiceVazio() { return GetColecaoTolv().Vazia(); }

void IndicePrincipal::AtualizaIndice() {
  if (!FalhaBancoIndice) GetColecaoTolv().Atualiza();
}

void IndicePrincipal::FecharColecoes() {
  if (!m_colecao) return;
  // The end of the index's use: what it holds is kept (a refusal is reported as its own are).
  m_colecao->Confirma();
  m_colecao.reset();
  try {
    TColecao::GetBancoIndice()->desconecta();
  } catch (const bd::ErroBanco&) {
    // The attachment is released either way; the next collection connects again.
  }
}

bool IndicePrincipal::Adota(const QString& arquivo, TTolv& tolv) {
  // The index opens a declaration by the name its number and year give: a file under another
  // name (or letter case) takes that name, unless a file already has it.
  const QString nome = tolv.GetNomeBancoDeclaracao();
  if (arquivo != nome) {
    if (QFile::exists(Caminho(nome)) || !QFile::rename(Caminho(arquivo), Caminho(nome))) return false;
    tolv.SetArquivo(nome);
  }
  GetColecaoTolv().RegistraBanco(tolv);
  return true;
}

void IndicePrincipal::VerificaExistenciaBancos(QWidget*) {
  const QStringList arquivos = ArquivosDeclaracao::Lista();
  const auto quantidade = arquivos.size();
  if (quantidade == 0) return;
  const bool adota =
      Pergunta(quantidade == 1 ? QStringLiteral("Existe 1 arquivo de banco de dados de declaração no diretório de "
                                                "trabalho. Deseja que essa declaração fique disponível para trabalho?")
                               : QStringLiteral("Existem %1 arquivos de banco de dados de declaração no diretório de "
                                                "trabalho. Deseja que essas declarações fiquem disponíveis para trabalho?")
                                     .arg(quantidade));
  if (!adota) {
    if (Pergunta(quantidade == 1 ? QStringLiteral("Deseja que este arquivo seja excluído?")
                                 : QStringLiteral("Deseja que estes arquivos sejam excluídos?")))
      ExcluiArquivos(arquivos);
    return;
  }

  TErros erros;
  TTolv tolv;
  tolv.SetErros(&erros);
  int incompativeis = 0;
  bool excluiIncompativeis = false;
  QStringList aExcluir;
  QStringList naoIncorporados;
  // Files that could not be read are never offered for deletion: nothing says they are of
  // another version (a locked or damaged file may hold a declaration worth repairing).
  QStringList ilegiveis;
  for (const QString& arquivo : arquivos) {
    TColecaoTolv::Cabecalho lido = TColecaoTolv::Cabecalho::Incompativel;
    {
      CursorEspera espera(Qt::BusyCursor);
      try {
        lido = TColecaoTolv::LeCabecalhoBanco(arquivo, tolv);
        if (lido == TColecaoTolv::Cabecalho::SemDeclaracao ||
            (lido == TColecaoTolv::Cabecalho::Lido && !Adota(arquivo, tolv)))
          naoIncorporados << arquivo;
      } catch (const std::exception&) {
        // A file that cannot be listed stays as it is; the next one follows.
        naoIncorporados << arquivo;
        continue;
      }
    }
    if (lido == TColecaoTolv::Cabecalho::Ilegivel) ilegiveis << arquivo;
    if (lido != TColecaoTolv::Cabecalho::Incompativel) continue;
    ++incompativeis;
    if (!excluiIncompativeis)
      excluiIncompativeis = Pergunta(QStringLiteral("Deseja que os arquivos com versão do banco de dados incompatível "
                                                    "com esta versão do programa sejam excluídos?"));
    if (excluiIncompativeis) aExcluir << arquivo;
  }
  tolv.LiberaItens();
  if (incompativeis == 1)
    ExibeMensagem(TErro::FormataMensagem(kUmIncompativel, {}), TipoMensagem::Informacao);
  else if (incompativeis > 1)
    ExibeMensagem(TErro::FormataMensagem(kVariosIncompativeis, QString::number(incompativeis)),
                  TipoMensagem::Informacao);
  // Left in the folder as they are: the user should know why they are not listed.
  if (!naoIncorporados.isEmpty())
    ExibeMensagem(QStringLiteral("Não foi possível incorporar, por não conterem uma declaração identificável ou por já "
                                 "existir o arquivo da declaração: ") +
                      naoIncorporados.join(QStringLiteral(", ")) + u'.',
                  TipoMensagem::Aviso);
  if (!ilegiveis.isEmpty())
    ExibeMensagem(QStringLiteral("Não foi possível ler os arquivos de banco de dados a seguir, que foram mantidos no "
                                 "diretório de trabalho: ") +
                      ilegiveis.join(QStringLiteral(", ")) + u'.',
                  TipoMensagem::Aviso);
  ExcluiArquivos(aExcluir);
}
